#include "game/chargers.h"

#include <cmath>

namespace {

constexpr float kReach = 2.0f;

}  // namespace

bool ChargerAvailable(const tcharger& charger, uint32_t now) {
    // Never taken yet: available from the start of the level.
    return charger.lastTaken == 0 ||
           charger.respawnInterval < static_cast<int32_t>(now - charger.lastTaken);
}

bool PickUpCharger(std::span<tcharger> chargers, tvec3 position, uint32_t now,
                   int32_t& spareMagazines) {
    for (tcharger& charger : chargers) {
        if (std::fabs(position.x - charger.x) < kReach &&
            std::fabs(position.y - charger.y) < kReach &&
            std::fabs(position.z - charger.z) < kReach && ChargerAvailable(charger, now) &&
            spareMagazines < kFullSpareMagazines) {
            // Never 0: that would read as "never taken".
            charger.lastTaken = now == 0 ? 1 : now;
            spareMagazines = kFullSpareMagazines;
            return true;
        }
    }
    return false;
}
