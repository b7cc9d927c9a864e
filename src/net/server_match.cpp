#include "net/server_match.h"

#include "game/respawn.h"
#include "net/level_link.h"
#include "net/net_io.h"
#include "net/player_models.h"
#include "net/player_slots.h"
#include "net/server.h"
#include "net/session.h"

void FollowServerTable(Session& session) {
    const std::vector<tplayerinfo>& table = session.server.serverPlayers;
    std::vector<MatchPlayer>& players = session.play.players;
    // From the first slot that differs on, the slots are seated again in the table's order (an
    // index names the same player on every machine).
    size_t same = 0;
    while (same < players.size() && same < table.size() &&
           players[same].entry.id == table[same].id) {
        ++same;
    }
    while (players.size() > same)
        RemovePlayerSlot(session, static_cast<int32_t>(players.size() - 1));
    for (size_t i = same; i < table.size(); ++i) AddPlayerSlot(session, table[i]);
    for (size_t i = 0; i < table.size(); ++i) {
        players[i].entry = table[i];
        if (!players[i].isBot) ApplyReportedState(session, static_cast<int32_t>(i), table[i]);
    }
}

bool StartServerLevel(Session& session) {
    Server& server = session.server;
    tgamesettings& settings = server.serverSettings;
    const std::string map = settings.mapName.Text();
    if (!LoadLevel(session, map)) return false;
    session.client.loadedMap = map;
    ReloadPlayerModels(session);
    const Arena& arena = session.world.arena;
    settings.gameOver = 0;
    settings.blueFlag = {arena.blueFlagHome, 0, kFlagAtBase, 0, 0};
    settings.redFlag = {arena.redFlagHome, 0, kFlagAtBase, 0, 0};
    ClearLevelScore(server.levelScore, settings);
    for (MatchPlayer& player : session.play.players) Revive(player);
    session.play.bullets.clear();
    session.play.explosions.clear();
    PlaceBotsAtLevelStart(session);
    server.lastHeard.assign(server.serverPlayers.size(), NetNow(session));
    return true;
}
