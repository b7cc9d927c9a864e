// Player physics: gravity and the frame's motion from the kept velocity, then the integration
// that runs the collision, keeps what the collision left of the speed (landing and bumping stop
// it) and moves the player. Every player body goes through it: the local player's and, on the
// host, the bots'.
#pragma once
#include <cstdint>

#include "game/collision.h"
#include "world/geom_object.h"

// Gravity on the kept vertical speed, and this frame's motion: the kept velocity scaled to the
// real frame time.
void StepPlayerPhysics(tgeomobject& player, float gravity, float speedFactor);

// Collides player `index` (its model is `player`, also seen in `world`) as a cylinder of
// `radiusShare` times its radius, and moves it by what is left of its frame's motion, which is
// then zero. A kept velocity that is not finite is dropped rather than carried into later frames.
CollisionHit IntegratePlayer(tgeomobject& player, int32_t index, const CollisionWorld& world,
                             float speedFactor, Random& random, float radiusShare = 1);
