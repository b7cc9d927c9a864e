#include "app/server_step.h"

#include <algorithm>

#include "app/frame_loop.h"
#include "base/clock.h"
#include "game/explosions.h"
#include "game/level_score.h"
#include "game/match_step.h"
#include "game/player_models.h"
#include "game/roster.h"
#include "net/client_session.h"
#include "net/level_link.h"
#include "net/net_io.h"
#include "net/server.h"
#include "net/session.h"

namespace {

constexpr int32_t kDutyPeriodMs = 2000;

// The match's players follow the server's table: entries that left are unseated, new ones
// seated (with their models), and every human stands where its last report says.
void FollowServerTable(Session& session) {
    Match match = MatchOf(session);
    FollowTable(match, session.server.serverPlayers);
}

// Starts the level of the server's settings' map: the level loaded, both flags home, the scores
// and the level end cleared, everyone alive, the bots at spawn points. False when the map cannot
// be loaded (nothing else changes then).
bool StartServerLevel(Session& session) {
    Server& server = session.server;
    tgamesettings& settings = server.serverSettings;
    const std::string map = settings.mapName.Text();
    if (!LoadLevel(session, map)) return false;
    session.client.loadedMap = map;
    Match match = MatchOf(session);
    ReloadPlayerModels(match);
    const Arena& arena = session.world.arena;
    settings.gameOver = 0;
    settings.blueFlag = {arena.blueFlagHome, 0, kFlagAtBase, 0, 0};
    settings.redFlag = {arena.redFlagHome, 0, kFlagAtBase, 0, 0};
    ClearLevelScore(server.levelScore, settings);
    ReviveEveryone(session.play, NetNow(session));
    session.play.bullets.clear();
    session.play.explosions.clear();
    PlaceBotsAtLevelStart(session);
    server.lastHeard.assign(server.serverPlayers.size(), NetNow(session));
    return true;
}

void Announce(const Session& session, const std::string& line) {
    if (session.server.announce) session.server.announce(line);
}

// The bots' shots, hits and kills go to the server like any machine's; captures are announced.
void DeliverEvents(Session& session) {
    MatchEvents& events = session.play.events;
    SendMatchEvents(session, events);
    for (const MatchEvent& event : events) {
        const auto* flag = std::get_if<FlagChanged>(&event);
        if (!flag || flag->change != FlagChange::kCaptured) continue;
        const int32_t slot = FindPlayerSlot(session.play.players, flag->playerId);
        if (slot < 0) continue;
        const tplayerinfo& carrier = session.play.players[static_cast<size_t>(slot)].entry;
        Announce(session, carrier.name.Text() + " captured the " +
                              (flag->owners == 0 ? "blue" : "red") + " flag");
    }
    events.clear();
}

}  // namespace

std::string SetUpServerGame(Session& session, const ServerOptions& options,
                            const std::vector<std::string>& maps) {
    Server& server = session.server;
    if (maps.empty()) return "no map";
    const std::string first = options.map.empty() ? maps.front() : options.map;
    const auto chosen = std::find(maps.begin(), maps.end(), first);
    if (chosen == maps.end()) return "no map " + first;
    server.mapList = maps;
    server.mapIndex = static_cast<int32_t>(chosen - maps.begin());
    tgamesettings& settings = server.serverSettings;
    settings.gameName.Assign(options.name);
    settings.mapName.Assign(first);
    settings.gameType = options.gameType;
    settings.fragLimit = static_cast<uint8_t>(options.fragLimit);
    settings.botCount = static_cast<uint8_t>(options.bots);
    server.botSkill = options.botSkill;
    settings.running = 1;
    server.serverIdle = false;
    session.state.hosting = true;
    session.state.playState = 1;
    session.state.localPlayerIndex = -1;
    // The bots' shots and kills reach the server the way every machine's do.
    session.client.serverDestination = "127.0.0.1";
    session.client.clientSettings.serverAddress.Assign("127.0.0.1");
    return {};
}

bool OpenServerGame(Session& session) {
    if (!StartServerLevel(session)) return false;
    AddBots(session);
    FollowServerTable(session);
    return true;
}

bool StartLoadableLevel(Session& session) {
    Server& server = session.server;
    for (size_t tried = 0; tried <= server.mapList.size(); ++tried) {
        if (StartServerLevel(session)) {
            Announce(session, "level " + server.serverSettings.mapName.Text());
            return true;
        }
        Announce(session, session.client.levelError + "; the map is skipped");
        if (server.mapList.empty()) return false;
        server.mapIndex = (server.mapIndex + 1) % static_cast<int32_t>(server.mapList.size());
        server.serverSettings.mapName.Assign(server.mapList[static_cast<size_t>(server.mapIndex)]);
    }
    return false;
}

bool RunServerStep(Session& session, ServerStepTimes& times) {
    const uint32_t now = NetNow(session);
    session.frame.now = now;
    session.frame.speedFactor = 1;
    FollowServerTable(session);
    // The rules read the game's settings as a player's machine received them: here, its own.
    session.client.clientSettings = session.server.serverSettings;
    if (!session.server.serverSettings.gameOver) {
        times.levelEnd = 0;
        Match match = MatchOf(session);
        StepMatch(match, nullptr);
        EndLevelAtScoreLimit(session);
    } else if (times.levelEnd == 0) {
        times.levelEnd = now;
    } else if (Elapsed(now, times.levelEnd) > static_cast<int32_t>(kRestartDelay)) {
        if (!StartLoadableLevel(session)) return false;
        times.levelEnd = 0;
    }
    ExpireExplosions(session.play, now);
    DeliverEvents(session);
    RunServerFrameDuties(session);
    if (Elapsed(now, times.lastCheck) >= kDutyPeriodMs) {
        times.lastCheck = now;
        RunServerTimeoutCheck(session);
        BroadcastPresence(session);
    }
    return true;
}
