#include "app/server_step.h"

#include <algorithm>

#include "app/frame_loop.h"
#include "base/clock.h"
#include "game/explosions.h"
#include "game/match_step.h"
#include "net/client_session.h"
#include "net/net_io.h"
#include "net/server.h"
#include "net/server_match.h"
#include "net/session.h"

namespace {

constexpr int32_t kDutyPeriodMs = 2000;

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
