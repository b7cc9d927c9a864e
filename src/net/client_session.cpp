#include "net/client_session.h"

#include <algorithm>

#include "game/body_record.h"
#include "game/level_score.h"
#include "game/player_models.h"
#include "game/roster.h"
#include "net/level_link.h"
#include "net/net_io.h"
#include "net/server.h"
#include "net/session.h"

namespace {

void SendToServer(Session& session, const tdatagram& datagram) {
    SendDatagram(session, session.client.serverDestination, kServerPort, datagram);
}

// Whoever the last shots of a level killed starts the next one standing: the local player as
// well as the bots, with no death left to show.
void StartEveryoneAlive(Session& session) {
    ReviveEveryone(session.play, NetNow(session));
    session.state.localDeathPending = false;
}

}  // namespace

void Connect(Session& session) {
    Client& client = session.client;
    if (IsConnected(session)) Disconnect(session);
    if (client.serverDestination.empty()) {
        client.serverDestination = kDefaultServerAddress;
        client.clientSettings.serverAddress.Assign(kDefaultServerAddress);
    }
    client.localPlayer.id = DrawNetId(session);
    SendToServer(session, BuildConnect(client.localPlayer));
    session.state.connecting = true;
    session.state.connectionStartTime = NetNow(session);
}

void Disconnect(Session& session) {
    Client& client = session.client;
    if (client.serverDestination.empty()) return;
    SendToServer(session, BuildDisconnect(client.localPlayer.id));
    session.state.playState = 0;
    Match match = MatchOf(session);
    UnseatEveryone(match);
    session.play.explosions.clear();
    client.impacts.clear();
    client.departedIds.clear();
    client.loadedMap.clear();
    client.awaitingServerRestart = false;
    ForgetFlagEvents(session);
    if (session.state.hosting) StopHosting(session);
    client.gameInfoEnabled = false;
    // Without this a later Connect would first send a second "discn" for the old id.
    session.state.connected = false;
}

void EnterGame(Session& session) {
    Client& client = session.client;
    if (client.levelHooks.enteredGame) client.levelHooks.enteredGame(session);
    session.state.playState = 1;
    client.gameInfoEnabled = true;
    client.levelStartTime = NetNow(session);
    ClearMessageLog(client.messageLog);
    client.clientSettings.gameOver = 0;
    if (session.state.hosting) {
        tgamesettings& settings = session.server.serverSettings;
        settings.gameOver = 0;
        // Every level starts with both flags standing at the map's homes and nobody scored.
        settings.blueFlag = {session.world.arena.blueFlagHome, 0, kFlagAtBase, 0, 0};
        settings.redFlag = {session.world.arena.redFlagHome, 0, kFlagAtBase, 0, 0};
        ClearLevelScore(session.server.levelScore, settings);
    }
    session.state.heardFromServer = true;
    session.state.connecting = false;
}

void SendGameInfo(Session& session) {
    Client& client = session.client;
    const int32_t local = session.state.localPlayerIndex;
    if (local >= 0 && static_cast<size_t>(local) < session.play.players.size())
        RecordBody(session.play.players[static_cast<size_t>(local)], client.localPlayer);
    SendToServer(session, BuildClientGameInfo(client.localPlayer.id, client.localPlayer));
}

void SendBulletStart(Session& session, const tbulletstart& bullet) {
    SendToServer(session, BuildBulletStart(bullet));
}

void SendBulletFinish(Session& session, const tbulletfinish& finish) {
    SendToServer(session, BuildBulletFinish(finish));
}

void SendKill(Session& session, int32_t killerId, int32_t victimId) {
    SendToServer(session, BuildKill({killerId, victimId}));
}

void SendRespawnRequest(Session& session, int32_t playerId) {
    SendToServer(session, BuildRespawnRequest(playerId));
}

void SendMatchEvents(Session& session, const MatchEvents& events) {
    for (const MatchEvent& event : events) {
        if (const auto* shot = std::get_if<ShotFired>(&event)) {
            SendBulletStart(session,
                            {shot->bulletId, shot->ownerIndex, shot->position, shot->velocity});
        } else if (const auto* end = std::get_if<BulletEnded>(&event)) {
            SendBulletFinish(session, {end->bulletId, end->hitKind, end->hitIndex});
        } else if (const auto* kill = std::get_if<PlayerKilled>(&event)) {
            SendKill(session, kill->killerId, kill->victimId);
        }
    }
}

void ClientTimerTick(Session& session) {
    if (session.client.gameInfoEnabled && IsConnected(session)) SendGameInfo(session);
}

bool ExpireFoundServers(Client& client, uint32_t now) {
    size_t before = client.foundServers.size();
    std::erase_if(client.foundServers, [&](const tfoundserver& server) {
        return now - server.lastHeard > kFoundServerLifetimeMs;
    });
    if (client.foundServers.size() != before) client.serverListChanged = true;
    return client.foundServers.size() != before;
}

void ReportFlagEvents(Session& session, uint8_t blueState, uint8_t redState) {
    Client& client = session.client;
    uint32_t now = NetNow(session);
    const uint8_t states[2] = {blueState, redState};
    for (int flag = 0; flag < 2; ++flag) {
        uint8_t before = client.previousFlagState[flag];
        uint8_t after = states[flag];
        if (before == after) continue;
        auto report = [&](MessageEvent event, FlagChange change) {
            AddMessageLine(client.messageLog, {.event = event, .flag = static_cast<uint8_t>(flag)},
                           now);
            session.play.events.push_back(FlagAnnounced{static_cast<uint8_t>(flag), change});
        };
        if (after == kFlagAtBase && before == kFlagCarried) {
            report(MessageEvent::kFlagCaptured, FlagChange::kCaptured);
        } else if (after == kFlagAtBase && before == kFlagDropped) {
            report(MessageEvent::kFlagReturned, FlagChange::kReturned);
        } else if (after == kFlagCarried) {
            report(MessageEvent::kFlagTaken, FlagChange::kTaken);
        } else if (after == kFlagDropped) {
            report(MessageEvent::kFlagDropped, FlagChange::kDropped);
        }
        client.previousFlagState[flag] = after;
    }
}

void ForgetFlagEvents(Session& session) {
    session.client.previousFlagState = {kFlagAtBase, kFlagAtBase};
    session.play.events.push_back(FlagAlarmsOff{});
}

void RestartLevel(Session& session) {
    Client& client = session.client;
    Server& server = session.server;
    std::string map = client.clientSettings.mapName.Text();
    if (!map.empty()) {
        Match match = MatchOf(session);
        SaveModelTextures(match);
        if (LoadLevel(session, map)) client.loadedMap = map;
        // Both flags start the new level at home: that is no capture, and no alarm goes on.
        ForgetFlagEvents(session);
        ReloadPlayerModels(match);
        RestoreModelTextures(match);
        StartEveryoneAlive(session);
        session.play.bullets.clear();
        session.play.explosions.clear();
        client.impacts.clear();
        session.play.weapon.spareMagazines = 5;
        EnterGame(session);
        client.localPlayer.frags = 0;
        client.localPlayer.deaths = 0;
        session.state.spawnConfirmed = false;
        SendRespawnRequest(session, client.localPlayer.id);
        uint32_t now = NetNow(session);
        server.lastHeard.assign(server.serverPlayers.size(), now);
        if (session.state.hosting) PlaceBotsAtLevelStart(session);
    }
    client.clientSettings.gameOver = 0;
    client.awaitingServerRestart = !session.state.hosting;
}
