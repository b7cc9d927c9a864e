#include "game/bot_platform.h"

#include <cmath>

namespace {

// Feet this close to the top keep a bot on its platform; this close find it a new one.
constexpr float kKeepTolerance = 0.1f;
constexpr float kFindTolerance = 1.0f;

bool StandsOn(const tcylinderbounds& cylinder, tvec3 position, float feet, float tolerance) {
    return std::fabs(feet - cylinder.top) <= tolerance &&
           DistanceFromAxis(cylinder, position) <= cylinder.radius;
}

}  // namespace

float DistanceFromAxis(const tcylinderbounds& cylinder, tvec3 point) {
    return std::hypot(point.x - cylinder.x, point.z - cylinder.z);
}

int32_t FindBotPlatform(std::span<const tcylinderbounds> cylinderBounds, int32_t current,
                        tvec3 position, float halfHeight) {
    const float feet = position.y - halfHeight;
    if (current >= 0 && static_cast<size_t>(current) < cylinderBounds.size() &&
        StandsOn(cylinderBounds[static_cast<size_t>(current)], position, feet, kKeepTolerance)) {
        return current;
    }
    int32_t found = -1;
    float widest = 0;
    for (size_t i = 0; i < cylinderBounds.size(); ++i) {
        const tcylinderbounds& cylinder = cylinderBounds[i];
        if (cylinder.radius > widest && StandsOn(cylinder, position, feet, kFindTolerance)) {
            found = static_cast<int32_t>(i);
            widest = cylinder.radius;
        }
    }
    return found;
}
