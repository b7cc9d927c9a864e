#include "game/respawn.h"

#include "base/clock.h"
#include "base/random.h"
#include "game/match.h"

namespace {

constexpr int32_t kTeamDraws = 1001;

bool RespawnDue(const tgeomobject& model, uint32_t now) {
    return model.dead && Elapsed(now, model.deathTime) >= model.respawnDelay;
}

void PlaceAt(tgeomobject& model, const tspawnpoint& spawn) {
    model.position = {spawn.x, spawn.y, spawn.z};
    model.yaw = spawn.angle;
}

void ComeBackWithFreshWeapon(WeaponState& weapon, tgeomobject& model) {
    ReviveModel(model);
    model.velocity = {};
    model.frameVelocity = {};
    weapon = WeaponState{};
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

void ReviveModel(tgeomobject& model) {
    model.dead = false;
    for (auto* parts : {&model.triangleParts, &model.quadParts}) {
        for (tmeshpart& part : *parts) part.currentAnimation = -1;
    }
}

void RespawnLocalPlayerIfDue(Match& match) {
    tgeomobject* model = match.Model(match.localPlayerIndex);
    if (!model || !RespawnDue(*model, match.now)) return;
    const tspawnpoint* spawn = DrawRespawnPoint(
        match.arena, match.random, match.clientSettings.gameType, match.localPlayer.team);
    if (spawn) PlaceAt(*model, *spawn);
    ComeBackWithFreshWeapon(match.play.weapon, *model);
}

void RespawnBotIfDue(Match& match, int32_t index) {
    tgeomobject* model = match.Model(index);
    if (!model || !RespawnDue(*model, match.now)) return;
    const tspawnpoint* spawn = DrawRespawnPoint(match.arena, match.random,
                                                match.serverSettings.gameType, match.TeamOf(index));
    if (spawn) PlaceAt(*model, *spawn);
    ReviveModel(*model);
}
