#include "game/respawn.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/clock.h"
#include "base/random.h"
#include "game/match.h"
#include "game/roster.h"
#include "game/spawn_protection.h"

namespace {

// The share of the points, farthest from the enemies first, that a spawn is drawn from.
constexpr size_t kFarthestShare = 3;
// Nearer than this to somebody, a point is taken.
constexpr float kTakenRadius = 2;

bool RespawnDue(const MatchPlayer& player, uint32_t now) {
    return player.dead && Elapsed(now, player.deathTime) >= player.respawnDelay;
}

// Back in play at `spawn` (at its own place on a map without points), protected for a moment.
void ComeBack(Match& match, MatchPlayer& player, const tspawnpoint* spawn) {
    if (spawn) PlaceAt(player, {spawn->x, spawn->y, spawn->z}, spawn->angle);
    Revive(player);
    ProtectSpawn(player, match.now);
}

// The points a player of `team` may come in at.
std::vector<const tspawnpoint*> PointsOfSide(const Arena& arena, uint8_t gameType, uint8_t team) {
    std::vector<const tspawnpoint*> points;
    for (const tspawnpoint& point : arena.spawnPoints) {
        if (gameType == kDeathMatch || point.team == team) points.push_back(&point);
    }
    if (points.empty()) {
        for (const tspawnpoint& point : arena.spawnPoints) points.push_back(&point);
    }
    return points;
}

float NearestDistance(const tspawnpoint& point, std::span<const tvec3> threats) {
    float nearest = INFINITY;
    for (const tvec3& threat : threats) {
        nearest = std::min(nearest, Length(threat - tvec3{point.x, point.y, point.z}));
    }
    return nearest;
}

}  // namespace

const tspawnpoint* ChooseSpawnAwayFrom(const Arena& arena, uint8_t gameType, uint8_t team,
                                       const SpawnSurroundings& around, Random& random) {
    std::vector<const tspawnpoint*> points = PointsOfSide(arena, gameType, team);
    if (points.empty()) return nullptr;
    // Two players on one point would stand inside each other.
    std::vector<const tspawnpoint*> free = points;
    std::erase_if(free, [&](const tspawnpoint* point) {
        return NearestDistance(*point, around.everyone) < kTakenRadius;
    });
    if (!free.empty()) points = std::move(free);
    std::vector<std::pair<float, const tspawnpoint*>> byDistance;
    for (const tspawnpoint* point : points)
        byDistance.emplace_back(NearestDistance(*point, around.enemies), point);
    std::stable_sort(byDistance.begin(), byDistance.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    // Without enemies every point is as far as any other: all of them are drawn from.
    const size_t farthest = around.enemies.empty()
                                ? byDistance.size()
                                : std::max<size_t>(1, byDistance.size() / kFarthestShare);
    return byDistance[static_cast<size_t>(random.Below(static_cast<int32_t>(farthest)))].second;
}

SpawnSurroundings LivingSurroundings(std::span<const MatchPlayer> players, int32_t self,
                                     uint8_t gameType, uint8_t team) {
    SpawnSurroundings around;
    for (size_t i = 0; i < players.size(); ++i) {
        const MatchPlayer& other = players[i];
        if (static_cast<int32_t>(i) == self || other.dead || !Finite(other.model.position))
            continue;
        around.everyone.push_back(other.model.position);
        if (gameType == kDeathMatch || other.entry.team != team)
            around.enemies.push_back(other.model.position);
    }
    return around;
}

const tspawnpoint* ChooseRespawnPoint(const Arena& arena, std::span<const MatchPlayer> players,
                                      int32_t self, uint8_t gameType, uint8_t team,
                                      Random& random) {
    return ChooseSpawnAwayFrom(arena, gameType, team,
                               LivingSurroundings(players, self, gameType, team), random);
}

void Revive(MatchPlayer& player) {
    player.dead = false;
    for (auto* parts : {&player.model.triangleParts, &player.model.quadParts}) {
        for (tmeshpart& part : *parts) part.currentAnimation = -1;
    }
}

void RespawnLocalPlayerIfDue(Match& match) {
    const int32_t local = match.localPlayerIndex;
    MatchPlayer* player = match.Playing(local);
    if (!player || !RespawnDue(*player, match.now)) return;
    ComeBack(
        match, *player,
        ChooseRespawnPoint(match.arena, match.play.players, local, match.clientSettings.gameType,
                           match.localPlayer.team, match.random));
    match.play.weapon = WeaponState{};
}

void RespawnBotIfDue(Match& match, int32_t index) {
    MatchPlayer* player = match.Playing(index);
    if (!player || !RespawnDue(*player, match.now)) return;
    ComeBack(match, *player,
             ChooseRespawnPoint(match.arena, match.play.players, index,
                                match.serverSettings.gameType, match.TeamOf(index), match.random));
}
