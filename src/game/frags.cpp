#include "game/frags.h"

#include "app/game.h"
#include "base/clock.h"
#include "net/client_session.h"

namespace {

bool JustKilled(const tgeomobject& victim, uint32_t now) {
    return victim.deathTime != 0 && Elapsed(now, victim.deathTime) < victim.respawnDelay;
}

}  // namespace

bool CountsAsKill(const Game& game, int32_t shooterIndex, uint8_t shooterTeam,
                  int32_t victimIndex) {
    const std::vector<tgeomobject>& models = game.play.playerModels;
    const std::vector<tplayerinfo>& table = game.client.clientPlayers;
    if (victimIndex == shooterIndex || victimIndex < 0) return false;
    const auto victim = static_cast<size_t>(victimIndex);
    if (victim >= models.size() || victim >= table.size()) return false;
    if (models[victim].dead || JustKilled(models[victim], game.frame.now)) return false;
    // In team games friendly fire neither kills nor scores.
    return game.client.clientSettings.gameType == kDeathMatch || table[victim].team != shooterTeam;
}

void ScoreLocalKill(Game& game, int32_t victimIndex) {
    Client& client = game.client;
    const auto victim = static_cast<size_t>(victimIndex);
    if (victim >= game.play.playerModels.size() || victim >= client.clientPlayers.size()) return;
    CountOneMore(client.localPlayer.frags);
    game.play.playerModels[victim].deathTime = game.frame.now;
    SendKill(game, client.localPlayer.id, client.clientPlayers[victim].id);
}
