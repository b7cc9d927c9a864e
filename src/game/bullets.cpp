#include "game/bullets.h"

#include <cmath>

#include "app/game.h"
#include "game/explosions.h"
#include "game/frags.h"
#include "net/client_session.h"

namespace {

void SetFrameMotion(tbullet& bullet, float speedFactor) {
    bullet.frameVelocity = {bullet.velocity.x * speedFactor, bullet.velocity.y * speedFactor,
                            bullet.velocity.z * speedFactor};
}

bool OutOfRange(const tbullet& bullet) {
    const float sum = bullet.position.x + bullet.position.y + bullet.position.z;
    // Written so that a bullet whose position is not a number leaves too.
    return !(std::fabs(sum) <= kBulletRange);
}

// Whether the bullet, now inside `victim`'s bounds, passes through one of its body parts.
bool HitsBody(const Game& game, const tbullet& bullet, int32_t victim) {
    const std::vector<tgeomobject>& models = game.play.playerModels;
    if (victim < 0 || static_cast<size_t>(victim) >= models.size()) return false;
    return BulletHitsPart(models[static_cast<size_t>(victim)], bullet.position,
                          bullet.frameVelocity, bullet.extentRadius) >= 0;
}

}  // namespace

CollisionHit MoveBulletThroughWorld(Game& game, tbullet& bullet) {
    const Arena& arena = game.world.arena;
    SetFrameMotion(bullet, game.frame.speedFactor);
    const CollisionWorld world{arena.cylinderBounds, &arena.collisionGrid, game.play.playerModels};
    float scratch = 0;
    const CollisionHit hit = CollideMove(
        world, MoverKind::Bullet, bullet.ownerIndex, bullet.position, bullet.frameVelocity,
        bullet.extentHalfHeight, bullet.extentRadius, scratch, game.random);
    bullet.position = bullet.position + bullet.frameVelocity;
    return hit;
}

void EndBullet(Game& game, size_t index, int32_t kind, int32_t hitIndex) {
    std::vector<tbullet>& bullets = game.play.bullets;
    if (index >= bullets.size()) return;
    const tbullet& bullet = bullets[index];
    ExplodeBullet(game.play, game.world.arena, bullet, kind, hitIndex, game.frame.now);
    SendBulletFinish(game, {bullet.bulletId, kind, hitIndex});
    bullets.erase(bullets.begin() + static_cast<std::ptrdiff_t>(index));
}

void StepLocalBullets(Game& game) {
    std::vector<tbullet>& bullets = game.play.bullets;
    const int32_t local = game.state.localPlayerIndex;
    for (size_t i = 0; i < bullets.size();) {
        tbullet& bullet = bullets[i];
        if (bullet.ownerIndex != local) {
            ++i;
            continue;
        }
        const CollisionHit hit = MoveBulletThroughWorld(game, bullet);
        if (hit.kind == kHitCylinder) {
            EndBullet(game, i, kHitCylinder, hit.index);
            continue;
        }
        // Its own shooter is no target; between another player's arms and legs it flies on.
        if (hit.kind == kHitPlayer && hit.index != local && HitsBody(game, bullet, hit.index)) {
            const bool kill = CountsAsKill(game, local, game.client.localPlayer.team, hit.index);
            EndBullet(game, i, kHitPlayer, hit.index);
            if (kill) ScoreLocalKill(game, hit.index);
            continue;
        }
        ++i;
    }
}

void DropDistantBullets(Game& game) {
    std::vector<tbullet>& bullets = game.play.bullets;
    for (size_t i = 0; i < bullets.size();) {
        if (!OutOfRange(bullets[i])) {
            ++i;
        } else if (DecidesBulletsOf(game, bullets[i].ownerIndex)) {
            EndBullet(game, i, kHitCylinder, -1);
        } else {
            // Its owner reports the end too; should that report be lost, it still leaves.
            bullets.erase(bullets.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
}

void MoveRemoteBullets(Game& game) {
    for (tbullet& bullet : game.play.bullets) {
        if (DecidesBulletsOf(game, bullet.ownerIndex)) continue;
        SetFrameMotion(bullet, game.frame.speedFactor);
        bullet.position = bullet.position + bullet.frameVelocity;
    }
}
