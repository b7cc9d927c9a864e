// Collision: the one routine every mover goes through (the local player, bots and bullets), and
// the precise bullet test against a player's body parts. The arena's solid things are upright
// cylinders (entry 0 of the bounds is the ground), the collision grid's edge and other players.
// The world is passed in, so a test can hand in a small arena of its own; nothing here keeps
// state between calls.
#pragma once
#include <cstdint>
#include <span>

#include "game/match_player.h"
#include "world/arena.h"
#include "world/geom_object.h"

class Random;

// What a mover collides with: the level's cylinders and grid and every player with a model, by
// slot.
struct CollisionWorld {
    std::span<const tcylinderbounds> cylinderBounds;
    const CollisionGrid* collisionGrid = nullptr;  // null: nothing is inside the grid
    std::span<const MatchPlayer> players;
};

inline CollisionWorld CollisionWorldOf(const Arena& arena, std::span<const MatchPlayer> players) {
    return {arena.cylinderBounds, &arena.collisionGrid, players};
}

enum class MoverKind : int32_t {
    Player = 1,  // walks on tops, is kept inside the grid, is nudged out of other players
    Bullet = 2,  // stops at the first side it meets
};

inline constexpr int32_t kHitNothing = -1;
inline constexpr int32_t kHitCylinder = 0;  // index: into cylinderBounds
inline constexpr int32_t kHitPlayer = 1;    // index: a player slot

struct CollisionHit {
    int32_t kind = kHitNothing;
    int32_t index = -1;
    // A player's fall ended on a top (or the ground) in this move: its vertical speed is spent.
    bool landed = false;
};

// Moves nothing: shortens, zeroes or redirects `velocity` (this frame's motion) so the mover at
// `position` does not pass into what it meets, and reports what it met last. For a player
// `moverIndex` is its slot (its own model is skipped and its body parts decide contact with
// cylinders) and `headroom` receives the free height above its head (9999 when nothing is
// above); for a bullet `moverIndex` is not used and `headroom` is scratch. `random` decides the
// direction a player stuck inside another player is nudged out. A position or velocity that is
// not finite is refused: the velocity becomes zero and nothing is hit.
CollisionHit CollideMove(const CollisionWorld& world, MoverKind mode, int32_t moverIndex,
                         tvec3 position, tvec3& velocity, float halfHeight, float radius,
                         float& headroom, Random& random);

// Whether a point is inside an upright cylinder (centred on the origin) of `height` and
// `radius` widened by `margin`, and how deep: `vertical` below its top, `radial` inside its side
// (both 0 when outside).
struct CylinderDepth {
    bool inside = false;
    float vertical = 0;
    float radial = 0;
};
bool InsideCylinder(tvec3 point, float height, float margin, float radius);
CylinderDepth CylinderPenetration(tvec3 point, float height, float margin, float radius);

// Whether player `player`, moved by `offset`, touches cylinder `cylinder` with one of its body
// parts (sampled along each long part's axis), with the largest depths found.
CylinderDepth PartsTouchCylinder(const tcylinderbounds& cylinder, const tgeomobject& player,
                                 tvec3 offset);

// The body part of `victim` that a bullet of `bulletRadius` starting at `start` and moving by
// `velocity` passes through, or -1: a bullet inside a player's bounds may still fly between its
// arms and legs.
int32_t BulletHitsPart(const tgeomobject& victim, tvec3 start, tvec3 velocity, float bulletRadius);
