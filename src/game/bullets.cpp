#include "game/bullets.h"

#include <algorithm>
#include <cmath>

#include "game/explosions.h"
#include "game/frags.h"
#include "game/match.h"
#include "game/spawn_protection.h"
#include "world/bullet_model.h"

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
bool HitsBody(Match& match, const tbullet& bullet, int32_t victim) {
    const tgeomobject* model = match.Model(victim);
    return model &&
           BulletHitsPart(*model, bullet.position, bullet.frameVelocity, bullet.extentRadius) >= 0;
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

CollisionHit MoveBulletThroughWorld(Match& match, tbullet& bullet) {
    SetFrameMotion(bullet, match.speedFactor);
    const CollisionWorld world = CollisionWorldOf(match.arena, match.play.players);
    float scratch = 0;
    const CollisionHit hit = CollideMove(
        world, MoverKind::Bullet, bullet.ownerIndex, bullet.position, bullet.frameVelocity,
        bullet.extentHalfHeight, bullet.extentRadius, scratch, match.random);
    bullet.position = bullet.position + bullet.frameVelocity;
    return hit;
}

void ReportBulletEnd(Match& match, const tbullet& bullet, int32_t kind, int32_t hitIndex) {
    ExplodeBullet(match.play, match.arena, bullet, kind, hitIndex, match.now);
    match.play.events.push_back(BulletEnded{bullet.bulletId, kind, hitIndex});
}

bool DecidesBulletsOf(std::span<const MatchPlayer> players, int32_t localPlayerIndex, bool hosting,
                      int32_t ownerIndex) {
    if (ownerIndex == localPlayerIndex) return true;
    return hosting && ownerIndex >= 0 && static_cast<size_t>(ownerIndex) < players.size() &&
           players[static_cast<size_t>(ownerIndex)].isBot;
}

void StepLocalBullets(Match& match) {
    const int32_t local = match.localPlayerIndex;
    SweepBullets(match.play.bullets, [&](tbullet& bullet) {
        if (bullet.ownerIndex != local) return false;
        const CollisionHit hit = MoveBulletThroughWorld(match, bullet);
        if (hit.kind == kHitCylinder) {
            ReportBulletEnd(match, bullet, kHitCylinder, hit.index);
            return true;
        }
        // Its own shooter is no target; between another player's arms and legs it flies on.
        if (hit.kind != kHitPlayer || hit.index == local || !HitsBody(match, bullet, hit.index))
            return false;
        const bool kill = CountsAsKill(match, local, match.localPlayer.team, hit.index);
        ReportBulletEnd(match, bullet, kHitPlayer, hit.index);
        if (kill) ScoreLocalKill(match, hit.index);
        return true;
    });
}

void DropDistantBullets(Match& match) {
    SweepBullets(match.play.bullets, [&](const tbullet& bullet) {
        if (!OutOfRange(bullet)) return false;
        // Another machine's bullet leaves unreported: its owner reports the end, and should that
        // report be lost, it still leaves.
        if (DecidesBulletsOf(match.play.players, match.localPlayerIndex, match.hosting,
                             bullet.ownerIndex))
            ReportBulletEnd(match, bullet, kHitCylinder, -1);
        return true;
    });
}

void MoveRemoteBullets(Match& match) {
    for (tbullet& bullet : match.play.bullets) {
        if (DecidesBulletsOf(match.play.players, match.localPlayerIndex, match.hosting,
                             bullet.ownerIndex))
            continue;
        SetFrameMotion(bullet, match.speedFactor);
        bullet.position = bullet.position + bullet.frameVelocity;
    }
}

bool AddRemoteBullet(Match& match, int32_t bulletId, int32_t ownerIndex, const tvec3& position,
                     const tvec3& velocity) {
    MatchPlayer* shooter = match.Player(ownerIndex);
    if (!shooter || !Finite(position) || !Finite(velocity)) return false;
    EndSpawnProtection(*shooter);
    tbullet bullet = NewBulletModel(match.arena);
    bullet.bulletId = bulletId;
    bullet.ownerIndex = ownerIndex;
    bullet.position = position;
    bullet.velocity = velocity;
    bullet.flightPitch = PitchOf(velocity);
    bullet.flightYaw = HeadingOf(velocity);
    bullet.yaw = shooter->model.yaw + 180;
    for (auto* parts : {&bullet.triangleParts, &bullet.quadParts}) {
        for (tmeshpart& part : *parts) part.pitch = -shooter->aimPitch;
    }
    std::vector<tbullet>& bullets = match.play.bullets;
    const auto remote = [&](const tbullet& b) {
        return !DecidesBulletsOf(match.play.players, match.localPlayerIndex, match.hosting,
                                 b.ownerIndex);
    };
    if (static_cast<size_t>(std::count_if(bullets.begin(), bullets.end(), remote)) >=
        kMaxRemoteBullets) {
        bullets.erase(std::find_if(bullets.begin(), bullets.end(), remote));
    }
    bullets.push_back(std::move(bullet));
    shooter->muzzleStartTime = match.now;
    match.play.events.push_back(RemoteShot{ownerIndex});
    return true;
}
