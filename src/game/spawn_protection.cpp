#include "game/spawn_protection.h"

#include <algorithm>

#include "base/clock.h"
#include "game/match_player.h"

void ProtectSpawn(MatchPlayer& player, uint32_t now) {
    player.spawnProtected = true;
    player.protectedSince = now;
}

void EndSpawnProtection(MatchPlayer& player) {
    player.spawnProtected = false;
}

int32_t SpawnProtectionLeft(const MatchPlayer& player, uint32_t now) {
    if (!player.spawnProtected || player.dead) return 0;
    // A protection "started" in the future is a clock gone backwards: none.
    const int32_t since = Elapsed(now, player.protectedSince);
    if (since < 0) return 0;
    return std::max(0, kSpawnProtectionMs - since);
}

bool SpawnProtected(const MatchPlayer& player, uint32_t now) {
    return SpawnProtectionLeft(player, now) > 0;
}
