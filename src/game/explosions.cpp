#include "game/explosions.h"

#include <algorithm>

#include "base/clock.h"
#include "game/hit_effects.h"

namespace {

// A flood of reported hits must not grow the list without bound; the oldest go first.
constexpr size_t kMaxExplosions = 256;

}  // namespace

void AddExplosion(PlayState& play, tvec3 position, float pitch, float sideYaw, float topYaw,
                  uint32_t now) {
    if (play.explosions.size() >= kMaxExplosions) play.explosions.erase(play.explosions.begin());
    play.explosions.push_back({position, pitch, sideYaw, topYaw, now});
}

void ExpireExplosions(PlayState& play, uint32_t now) {
    std::erase_if(play.explosions, [now](const texplpos& explosion) {
        return Elapsed(now, explosion.created) > kExplosionLifetime;
    });
}

void ExplodeBullet(PlayState& play, const Arena& arena, const tbullet& bullet, int32_t kind,
                   int32_t index, uint32_t now) {
    if (index < 0) return;
    const std::optional<HitFacing> facing = HitEffect(bullet, kind, index, arena.cylinderBounds);
    if (!facing) return;
    AddExplosion(play, ExplosionPosition(bullet.position, facing->into), facing->pitch,
                 facing->sideYaw, facing->topYaw, now);
}
