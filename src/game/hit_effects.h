// Where a bullet's explosion goes and how it is turned: HitEffect gives the angles of the
// explosion quads and the direction into the surface that was hit, ExplosionPosition puts the
// explosion half a unit back out of that surface. Used wherever a bullet ends with a hit, on the
// shooter's machine and on every machine that hears of the end.
#pragma once
#include <optional>
#include <span>

#include "world/arena.h"
#include "world/geom_object.h"

struct HitFacing {
    float pitch = 0;
    float sideYaw = 0;
    float topYaw = 0;
    tvec3 into;  // from the impact into the surface; zero when unknown
};

// Kind 0: the side or a cap of cylinder `index`; kind 1: a player, faced the way the bullet flew.
// Nothing for any other kind or an index that names no cylinder.
std::optional<HitFacing> HitEffect(const tbullet& bullet, int32_t kind, int32_t index,
                                   std::span<const tcylinderbounds> cylinderBounds);

tvec3 ExplosionPosition(tvec3 bulletPosition, tvec3 into);
