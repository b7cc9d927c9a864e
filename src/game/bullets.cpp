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
    const bool inRange = std::fabs(sum) <= kBulletRange &&
                         std::fabs(bullet.position.x) <= kBulletFloorEdge &&
                         std::fabs(bullet.position.z) <= kBulletFloorEdge;
    return !inRange;
}

// Whether the bullet, now inside `victim`'s bounds, passes through one of its body parts.
bool HitsBody(const Game& game, const tbullet& bullet, int32_t victim) {
    const std::vector<tgeomobject>& models = game.play.playerModels;
    if (victim < 0 || static_cast<size_t>(victim) >= models.size()) return false;
    return BulletHitsPart(models[static_cast<size_t>(victim)], bullet.position,
                          bullet.frameVelocity, bullet.extentRadius) >= 0;
}

// Lets `ended` see every bullet in order and removes, in one sweep, those it ended; the others
// keep their order. One sweep, not one erase per end: a bullet is a large object to shift.
template <typename Ended>
void SweepBullets(std::vector<tbullet>& bullets, Ended ended) {
    size_t kept = 0;
    for (size_t i = 0; i < bullets.size(); ++i) {
        if (ended(bullets[i])) continue;
        if (kept != i) bullets[kept] = std::move(bullets[i]);
        ++kept;
    }
    bullets.erase(bullets.begin() + static_cast<std::ptrdiff_t>(kept), bullets.end());
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

void ReportBulletEnd(Game& game, const tbullet& bullet, int32_t kind, int32_t hitIndex) {
    ExplodeBullet(game.play, game.world.arena, bullet, kind, hitIndex, game.frame.now);
    SendBulletFinish(game, {bullet.bulletId, kind, hitIndex});
}

void StepLocalBullets(Game& game) {
    const int32_t local = game.state.localPlayerIndex;
    SweepBullets(game.play.bullets, [&](tbullet& bullet) {
        if (bullet.ownerIndex != local) return false;
        const CollisionHit hit = MoveBulletThroughWorld(game, bullet);
        if (hit.kind == kHitCylinder) {
            ReportBulletEnd(game, bullet, kHitCylinder, hit.index);
            return true;
        }
        // Its own shooter is no target; between another player's arms and legs it flies on.
        if (hit.kind != kHitPlayer || hit.index == local || !HitsBody(game, bullet, hit.index))
            return false;
        const bool kill = CountsAsKill(game, local, game.client.localPlayer.team, hit.index);
        ReportBulletEnd(game, bullet, kHitPlayer, hit.index);
        if (kill) ScoreLocalKill(game, hit.index);
        return true;
    });
}

void DropDistantBullets(Game& game) {
    SweepBullets(game.play.bullets, [&](const tbullet& bullet) {
        if (!OutOfRange(bullet)) return false;
        // Another machine's bullet leaves unreported: its owner reports the end, and should that
        // report be lost, it still leaves.
        if (DecidesBulletsOf(game, bullet.ownerIndex))
            ReportBulletEnd(game, bullet, kHitCylinder, -1);
        return true;
    });
}

void MoveRemoteBullets(Game& game) {
    for (tbullet& bullet : game.play.bullets) {
        if (DecidesBulletsOf(game, bullet.ownerIndex)) continue;
        SetFrameMotion(bullet, game.frame.speedFactor);
        bullet.position = bullet.position + bullet.frameVelocity;
    }
}
