#include "world/bullet_model.h"

#include "base/load_error.h"

namespace {

// The extents of the shipped bullet: a thin tracer along z with a round tip.
constexpr float kFallbackRadius = 0.2f;
constexpr float kFallbackHalfHeight = 0.07f;

tbullet BareBullet() {
    tbullet bullet;
    bullet.extentRadius = kFallbackRadius;
    bullet.extentHalfHeight = kFallbackHalfHeight;
    return bullet;
}

}  // namespace

void PrepareBulletModel(World& world, Gpu* gpu) {
    Arena& arena = world.arena;
    if (arena.bulletTemplate || !gpu || arena.bulletModelMissing) return;
    ModelLoadContext context{world.textures, *gpu, world.modelVertexCounters};
    try {
        arena.bulletTemplate = LoadBulletModel(world.bulletModelFile, context);
    } catch (const WorldLoadError&) {
        arena.bulletTemplate.reset();
    }
    // Asked once per level: a missing file is not looked for again.
    arena.bulletModelMissing = !arena.bulletTemplate;
}

tbullet NewBulletModel(const Arena& arena) {
    if (!arena.bulletTemplate) return BareBullet();
    tbullet bullet = *arena.bulletTemplate;
    // A model too small to collide would make every sub-step test meaningless.
    if (bullet.extentRadius <= 0) bullet.extentRadius = kFallbackRadius;
    if (bullet.extentHalfHeight <= 0) bullet.extentHalfHeight = kFallbackHalfHeight;
    return bullet;
}
