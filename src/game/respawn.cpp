#include "game/respawn.h"

#include "app/game.h"
#include "base/clock.h"

namespace {

constexpr int32_t kTeamDraws = 1001;

bool RespawnDue(const tgeomobject& model, uint32_t now) {
    return model.dead && Elapsed(now, model.deathTime) >= model.respawnDelay;
}

void PlaceAt(tgeomobject& model, const tspawnpoint& spawn) {
    model.position = {spawn.x, spawn.y, spawn.z};
    model.yaw = spawn.angle;
}

void ComeBackWithFreshWeapon(Game& game, tgeomobject& model) {
    ReviveModel(model);
    model.velocity = {};
    model.frameVelocity = {};
    game.play.weapon.magazineShots = 0;
    game.play.weapon.spareMagazines = 5;
    game.play.weapon.reloadDelay = 0;
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

void RespawnLocalPlayerIfDue(Game& game) {
    const int32_t index = game.state.localPlayerIndex;
    if (index < 0 || static_cast<size_t>(index) >= game.play.playerModels.size()) return;
    tgeomobject& model = game.play.playerModels[static_cast<size_t>(index)];
    if (!RespawnDue(model, game.frame.now)) return;
    const Client& client = game.client;
    const tspawnpoint* spawn = DrawRespawnPoint(
        game.world.arena, game.random, client.clientSettings.gameType, client.localPlayer.team);
    if (spawn) PlaceAt(model, *spawn);
    ComeBackWithFreshWeapon(game, model);
}

void RespawnBotIfDue(Game& game, int32_t index) {
    if (index < 0 || static_cast<size_t>(index) >= game.play.playerModels.size()) return;
    tgeomobject& model = game.play.playerModels[static_cast<size_t>(index)];
    if (!RespawnDue(model, game.frame.now)) return;
    const std::vector<tplayerinfo>& table = game.server.serverPlayers;
    const uint8_t team =
        static_cast<size_t>(index) < table.size() ? table[static_cast<size_t>(index)].team : 0;
    const tspawnpoint* spawn =
        DrawRespawnPoint(game.world.arena, game.random, game.server.serverSettings.gameType, team);
    if (spawn) PlaceAt(model, *spawn);
    ReviveModel(model);
}
