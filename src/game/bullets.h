// Bullet stepping, in three passes of the game step: the bullets this machine decides (its own
// player's) are moved through the collision and end on a cylinder or a player's body part; then
// every bullet out of range (|x + y + z| > 200, or past the floor's edge) leaves; then the bullets
// other machines decide fly on without a test until their owner reports the end. The pieces (the
// collision move, the end of a bullet, the frag) serve the host's bot bullets as well.
#pragma once
#include <cstdint>
#include <span>

#include "game/collision.h"

struct Match;

// Coordinates of a bullet may add up to this much, either way, before it leaves.
inline constexpr float kBulletRange = 200.0f;
// A bullet flying across the diagonal x + z = const never adds up to the range, so it also
// leaves once it is past the floor's edge, where nothing is left to hit.
inline constexpr float kBulletFloorEdge = 1000.0f;

// What a bullet ran into this frame, after it moved by its frame velocity.
CollisionHit MoveBulletThroughWorld(Match& match, tbullet& bullet);

// A bullet ends with a hit of `kind` on `hitIndex` (-1: it flew out): its explosion when it hit
// something, and the end reported for the other machines; the caller removes it from the list.
void ReportBulletEnd(Match& match, const tbullet& bullet, int32_t kind, int32_t hitIndex);

// Whether this machine decides the hits of player `ownerIndex`'s bullets: its own player's and,
// on the host, its bots'. Every other machine's bullets fly here until their owner ends them.
bool DecidesBulletsOf(std::span<const MatchPlayer> players, int32_t localPlayerIndex, bool hosting,
                      int32_t ownerIndex);

// Bullets of other machines held at once; the oldest goes first when their ends were lost.
inline constexpr size_t kMaxRemoteBullets = 512;
// Another machine's player `ownerIndex` fired: its bullet flies here, turned as the owner aims,
// until the owner reports its end; the owner's muzzle flashes and its shot is heard. False (no
// bullet) for an owner this machine does not know or a bullet that could never leave.
bool AddRemoteBullet(Match& match, int32_t bulletId, int32_t ownerIndex, const tvec3& position,
                     const tvec3& velocity);

// First pass: the local player's bullets move, hit and score.
void StepLocalBullets(Match& match);
// Second pass: bullets out of range leave; this machine reports the end of its own.
void DropDistantBullets(Match& match);
// Third pass: bullets this machine does not decide fly on.
void MoveRemoteBullets(Match& match);
