#include "game/hit_effects.h"

#include <cmath>

namespace {

constexpr float kBottomCapPitch = 90.0f;
constexpr float kTopCapPitch = 270.0f;

}  // namespace

std::optional<HitFacing> HitEffect(const tbullet& bullet, int32_t kind, int32_t index,
                                   std::span<const tcylinderbounds> cylinderBounds) {
    if (kind == 1) {
        return HitFacing{bullet.flightPitch, bullet.flightYaw, bullet.flightYaw, bullet.velocity};
    }
    if (kind != 0 || index < 0 || static_cast<size_t>(index) >= cylinderBounds.size())
        return std::nullopt;
    const tcylinderbounds& c = cylinderBounds[static_cast<size_t>(index)];
    const tvec3 towardsAxis{c.x - bullet.position.x, 0, c.z - bullet.position.z};
    const float distance = std::sqrt(towardsAxis.x * towardsAxis.x + towardsAxis.z * towardsAxis.z);
    HitFacing facing;
    facing.sideYaw = HeadingOf(towardsAxis);
    if (distance < c.radius) {
        // A cap: the explosion lies flat on it, turned the way the bullet flew in the top view.
        facing.topYaw = bullet.yaw;
        const bool below = bullet.position.y <= c.centreY;
        facing.pitch = below ? kBottomCapPitch : kTopCapPitch;
        facing.into = below ? tvec3{0, 1, 0} : tvec3{0, -1, 0};
    } else {
        facing.topYaw = facing.sideYaw;
        facing.into = towardsAxis;
    }
    return facing;
}

tvec3 ExplosionPosition(tvec3 bulletPosition, tvec3 into) {
    const float length = std::sqrt(into.x * into.x + into.y * into.y + into.z * into.z);
    if (!(length > 0)) return bulletPosition;
    const float back = 2 * length;
    return {bulletPosition.x - into.x / back, bulletPosition.y - into.y / back,
            bulletPosition.z - into.z / back};
}
