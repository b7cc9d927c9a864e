#include "game/respawn.h"

#include "base/clock.h"
#include "base/random.h"
#include "game/match.h"
#include "game/roster.h"

namespace {

constexpr int32_t kTeamDraws = 1001;

bool RespawnDue(const MatchPlayer& player, uint32_t now) {
    return player.dead && Elapsed(now, player.deathTime) >= player.respawnDelay;
}

void PlaceAtSpawn(MatchPlayer& player, const tspawnpoint& spawn) {
    PlaceAt(player, {spawn.x, spawn.y, spawn.z}, spawn.angle);
}

}  // namespace

const tspawnpoint* DrawRespawnPoint(const Arena& arena, Random& random, uint8_t gameType,
                                    uint8_t team) {
    const std::vector<tspawnpoint>& points = arena.spawnPoints;
    if (points.empty()) return nullptr;
    const auto count = static_cast<int32_t>(points.size());
    const tspawnpoint* drawn = &points[static_cast<size_t>(random.Below(count))];
    if (gameType == kDeathMatch) return drawn;
    for (int32_t draw = 1; draw < kTeamDraws && drawn->team != team; ++draw) {
        drawn = &points[static_cast<size_t>(random.Below(count))];
    }
    return drawn;
}

void Revive(MatchPlayer& player) {
    player.dead = false;
    for (auto* parts : {&player.model.triangleParts, &player.model.quadParts}) {
        for (tmeshpart& part : *parts) part.currentAnimation = -1;
    }
}

void RespawnLocalPlayerIfDue(Match& match) {
    MatchPlayer* player = match.Playing(match.localPlayerIndex);
    if (!player || !RespawnDue(*player, match.now)) return;
    const tspawnpoint* spawn = DrawRespawnPoint(
        match.arena, match.random, match.clientSettings.gameType, match.localPlayer.team);
    if (spawn) PlaceAtSpawn(*player, *spawn);
    Revive(*player);
    match.play.weapon = WeaponState{};
}

void RespawnBotIfDue(Match& match, int32_t index) {
    MatchPlayer* player = match.Playing(index);
    if (!player || !RespawnDue(*player, match.now)) return;
    const tspawnpoint* spawn = DrawRespawnPoint(match.arena, match.random,
                                                match.serverSettings.gameType, match.TeamOf(index));
    if (spawn) PlaceAtSpawn(*player, *spawn);
    Revive(*player);
}
