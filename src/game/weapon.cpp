#include "game/weapon.h"

#include <cmath>

#include "app/game.h"
#include "base/clock.h"
#include "net/client_session.h"
#include "net/net_io.h"
#include "sound/player_channels.h"
#include "sound/sound_buffers.h"
#include "world/bullet_model.h"

namespace {

tgeomobject* ModelOf(Game& game, int32_t index) {
    if (index < 0 || static_cast<size_t>(index) >= game.play.playerModels.size()) return nullptr;
    return &game.play.playerModels[static_cast<size_t>(index)];
}

float PartPitch(const tgeomobject& model, const char* name) {
    const int32_t part = FindPart(model, name);
    return part < 0 ? 0.0f : model.triangleParts[static_cast<size_t>(part)].pitch;
}

void RestartLocalReloadSound(Game& game) {
    const auto index = static_cast<size_t>(game.state.localPlayerIndex);
    if (PlayerChannels* channels = ChannelsOf(game.sound, index)) RestartSound(channels->reload);
}

void StartReload(Game& game, tgeomobject& model) {
    game.play.weapon.reloadDelay = kReloadTimeouts * game.tuning.FIRE_TIMEOUT;
    model.lastShotTime = game.frame.now;
    RestartLocalReloadSound(game);
}

// A random angle in [-spread, spread).
float Scatter(Random& random) {
    return (random.Unit() * 2.0f - 1.0f) * kSpreadDegrees;
}

void PullTrigger(Game& game, tgeomobject& model) {
    WeaponState& weapon = game.play.weapon;
    const Tuning& tuning = game.tuning;
    const uint32_t now = game.frame.now;
    if (!game.input.fireHeld || weapon.reloadDelay != 0) return;
    if (Elapsed(now, model.lastShotTime) < tuning.FIRE_TIMEOUT + weapon.reloadDelay) return;
    if (weapon.spareMagazines <= 0 && weapon.magazineShots >= kMagazineRounds) return;

    if (++weapon.magazineShots > kMagazineRounds) {
        // The trigger on an empty magazine: the gun reloads instead of firing.
        if (weapon.spareMagazines > 0) StartReload(game, model);
        weapon.magazineShots = kMagazineRounds;
        return;
    }
    model.lastShotTime = now;
    const float pitch = game.play.lookPitch + Scatter(game.random);
    const float yaw = model.yaw + Scatter(game.random);
    FireBullet(game, game.state.localPlayerIndex, pitch, yaw);
}

void FinishReload(Game& game, const tgeomobject& model) {
    WeaponState& weapon = game.play.weapon;
    if (weapon.reloadDelay <= 0) return;
    if (Elapsed(game.frame.now, model.lastShotTime) < game.tuning.FIRE_TIMEOUT + weapon.reloadDelay)
        return;
    weapon.reloadDelay = 0;
    if (weapon.magazineShots < kMagazineRounds) return;
    weapon.magazineShots = 0;
    const auto index = static_cast<size_t>(game.state.localPlayerIndex);
    if (PlayerChannels* channels = ChannelsOf(game.sound, index)) StopSound(true, channels->reload);
    if (weapon.spareMagazines > 0) --weapon.spareMagazines;
}

}  // namespace

void UpdateLocalWeapon(Game& game) {
    tgeomobject* model = ModelOf(game, game.state.localPlayerIndex);
    if (!model || model->dead) return;
    PullTrigger(game, *model);
    FinishReload(game, *model);
}

void ManualReload(Game& game) {
    WeaponState& weapon = game.play.weapon;
    tgeomobject* model = ModelOf(game, game.state.localPlayerIndex);
    if (game.state.playState != 1 || !model || model->dead) return;
    // A full magazine is not thrown away for a spare one.
    if (weapon.spareMagazines <= 0 || weapon.reloadDelay != 0 || weapon.magazineShots == 0) return;
    weapon.magazineShots = kMagazineRounds;
    StartReload(game, *model);
}

void FireBullet(Game& game, int32_t ownerIndex, float pitch, float yaw) {
    tgeomobject* owner = ModelOf(game, ownerIndex);
    if (!owner) return;
    const uint32_t now = game.frame.now;
    tbullet bullet = NewBulletModel(game.world, game.services.gpu);
    bullet.bulletId = DrawNetId(game);
    bullet.ownerIndex = ownerIndex;
    // The muzzle as the owner stands now: it may have turned or looked up since the poses stepped.
    owner->bulletStart = BulletStartOffset(*owner, FindPart(*owner, "BSTART"));
    bullet.position = owner->position + owner->bulletStart;
    const float speed = game.tuning.BULLET_SPEED;
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
    SendBulletStart(game, {bullet.bulletId, ownerIndex, bullet.position, bullet.velocity});
    game.play.bullets.push_back(std::move(bullet));

    const auto index = static_cast<size_t>(ownerIndex);
    if (index < game.play.muzzleModels.size()) game.play.muzzleModels[index].startTime = now;
    if (index < game.client.players.size()) game.client.players[index].muzzleStartTime = now;
    if (PlayerChannels* channels = ChannelsOf(game.sound, index)) RestartSound(channels->fire);
}
