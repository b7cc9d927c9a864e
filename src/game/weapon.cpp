#include "game/weapon.h"

#include <cmath>

#include "base/clock.h"
#include "base/random.h"
#include "game/match.h"
#include "game/spawn_protection.h"
#include "world/bullet_model.h"

namespace {

float PartPitch(const tgeomobject& model, const char* name) {
    const int32_t part = FindPart(model, name);
    return part < 0 ? 0.0f : model.triangleParts[static_cast<size_t>(part)].pitch;
}

void StartReload(Match& match, MatchPlayer& player) {
    match.play.weapon.reloadDelay = kReloadTimeouts * match.tuning.FIRE_TIMEOUT;
    player.lastShotTime = match.now;
    match.play.events.push_back(
        PlayerSoundCue{match.localPlayerIndex, PlayerSound::kReloadStarted});
}

// A random angle in [-spread, spread).
float Scatter(Random& random) {
    return (random.Unit() * 2.0f - 1.0f) * kSpreadDegrees;
}

void PullTrigger(Match& match, MatchPlayer& player) {
    WeaponState& weapon = match.play.weapon;
    const Tuning& tuning = match.tuning;
    const uint32_t now = match.now;
    if (weapon.reloadDelay != 0) return;
    if (Elapsed(now, player.lastShotTime) < tuning.FIRE_TIMEOUT + weapon.reloadDelay) return;
    if (weapon.spareMagazines <= 0 && weapon.magazineShots >= kMagazineRounds) return;

    if (++weapon.magazineShots > kMagazineRounds) {
        // The trigger on an empty magazine: the gun reloads instead of firing.
        if (weapon.spareMagazines > 0) StartReload(match, player);
        weapon.magazineShots = kMagazineRounds;
        return;
    }
    player.lastShotTime = now;
    const float pitch = match.play.lookPitch + Scatter(match.random);
    const float yaw = player.model.yaw + Scatter(match.random);
    FireBullet(match, match.localPlayerIndex, pitch, yaw);
}

void FinishReload(Match& match, const MatchPlayer& player) {
    WeaponState& weapon = match.play.weapon;
    if (weapon.reloadDelay <= 0) return;
    if (Elapsed(match.now, player.lastShotTime) < match.tuning.FIRE_TIMEOUT + weapon.reloadDelay)
        return;
    weapon.reloadDelay = 0;
    if (weapon.magazineShots < kMagazineRounds) return;
    weapon.magazineShots = 0;
    match.play.events.push_back(
        PlayerSoundCue{match.localPlayerIndex, PlayerSound::kReloadFinished});
    if (weapon.spareMagazines > 0) --weapon.spareMagazines;
}

}  // namespace

void UpdateLocalWeapon(Match& match, bool triggerHeld) {
    MatchPlayer* player = match.Playing(match.localPlayerIndex);
    if (!player || player->dead) return;
    if (triggerHeld) PullTrigger(match, *player);
    FinishReload(match, *player);
}

void ManualReload(Match& match) {
    WeaponState& weapon = match.play.weapon;
    MatchPlayer* player = match.Playing(match.localPlayerIndex);
    if (!player || player->dead) return;
    // Whatever is left in the magazine is thrown away, a full one too.
    if (weapon.spareMagazines <= 0 || weapon.reloadDelay != 0) return;
    weapon.magazineShots = kMagazineRounds;
    StartReload(match, *player);
}

void FireBullet(Match& match, int32_t ownerIndex, float pitch, float yaw) {
    tgeomobject* owner = match.Model(ownerIndex);
    if (!owner) return;
    tbullet bullet = NewBulletModel(match.arena);
    bullet.bulletId = match.random.Below(kIdRange);
    bullet.ownerIndex = ownerIndex;
    // The muzzle as the owner stands now: it may have turned or looked up since the poses stepped.
    owner->bulletStart = BulletStartOffset(*owner, FindPart(*owner, "BSTART"));
    bullet.position = owner->position + owner->bulletStart;
    const float speed = match.tuning.BULLET_SPEED;
    const float p = DegToRad(pitch), y = DegToRad(yaw);
    bullet.velocity = {-std::cos(p) * std::sin(y) * speed, std::sin(p) * speed,
                       -std::cos(p) * std::cos(y) * speed};
    bullet.flightPitch = pitch;
    bullet.flightYaw = HeadingOf(bullet.velocity);
    bullet.yaw = owner->yaw + 180;
    const float handPitch = PartPitch(*owner, "HAND");
    for (auto* parts : {&bullet.triangleParts, &bullet.quadParts}) {
        for (tmeshpart& part : *parts) part.pitch = -handPitch;
    }
    match.play.events.push_back(
        ShotFired{bullet.bulletId, ownerIndex, bullet.position, bullet.velocity});
    match.play.bullets.push_back(std::move(bullet));
    MatchPlayer& shooter = match.play.players[static_cast<size_t>(ownerIndex)];
    shooter.muzzleStartTime = match.now;
    EndSpawnProtection(shooter);
}
