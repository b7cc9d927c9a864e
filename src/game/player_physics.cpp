#include "game/player_physics.h"

#include <cmath>

namespace {

// The collision may only take speed away: a component it left no larger stays for later frames.
void KeepWhatCollisionLeft(float collided, float before, float& kept) {
    if (std::fabs(collided) <= std::fabs(before)) kept = collided;
}

}  // namespace

void StepPlayerPhysics(tgeomobject& player, float gravity, float speedFactor) {
    player.velocity.y += gravity * speedFactor;
    player.frameVelocity = {player.velocity.x * speedFactor, player.velocity.y * speedFactor,
                            player.velocity.z * speedFactor};
}

CollisionHit IntegratePlayer(tgeomobject& player, int32_t index, const CollisionWorld& world,
                             float speedFactor, Random& random, float radiusShare) {
    if (!Finite(player.velocity)) player.velocity = {};
    tvec3& motion = player.frameVelocity;
    player.airborne = motion.y > 0;
    const tvec3 before = motion;
    const CollisionHit hit = CollideMove(world, MoverKind::Player, index, player.position, motion,
                                         player.extentHalfHeight, player.extentRadius * radiusShare,
                                         player.headroom, random);
    KeepWhatCollisionLeft(motion.x, before.x, player.velocity.x);
    KeepWhatCollisionLeft(motion.z, before.z, player.velocity.z);
    if (hit.landed) {
        player.velocity.y = 0;
    } else if (std::fabs(motion.y) <= std::fabs(before.y) && speedFactor > 0) {
        player.velocity.y = motion.y / speedFactor;
    }
    player.position = player.position + motion;
    motion = {};
    return hit;
}
