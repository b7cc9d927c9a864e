#include "net/net_frame.h"

#include <algorithm>

#include "app/game.h"
#include "net/client_receive.h"
#include "net/client_session.h"
#include "net/net_io.h"
#include "net/server.h"

namespace {

// Far more than a 9-player game produces in a frame; the rest waits for the next frame.
constexpr int kMaxDatagramsPerPort = 512;

bool Elapsed(uint32_t now, uint32_t since, uint32_t period, bool orEqual) {
    uint32_t passed = now - since;
    return orEqual ? passed >= period : passed > period;
}

}  // namespace

bool OpenNetworkPorts(Game& game) {
    Network* network = game.services.network;
    if (!network) return false;
    bool server = network->Listen(kServerPort);
    bool client = network->Listen(kClientPort);
    return server && client;
}

void DrainNetwork(Game& game) {
    Network* network = game.services.network;
    if (!network) return;
    for (uint16_t port : {kServerPort, kClientPort}) {
        for (int n = 0; n < kMaxDatagramsPerPort; ++n) {
            std::optional<Datagram> datagram = network->Receive(port);
            if (!datagram) break;
            if (datagram->bytes.size() > kDatagramSize) datagram->bytes.resize(kDatagramSize);
            if (port == kServerPort) {
                UDPServUDPRead(game, *datagram);
            } else {
                UDPServClUDPRead(game, *datagram);
            }
        }
    }
}

void RequestSpawnsUntilConfirmed(Game& game) {
    if (game.client.spawnConfirmed) return;
    SendRespawnRequest(game, game.client.localPlayer.id);
    if (!game.server.hosting) return;
    // Copied: answers are handled between frames, but keep the loop independent of the table.
    std::vector<tplayerinfo> players = game.server.serverPlayers;
    for (const tplayerinfo& player : players) {
        if (player.isBot) SendRespawnRequest(game, player.id);
    }
}

tnetframeresult RunNetworkFrame(Game& game, tnettimers& timers) {
    tnetframeresult result;
    Client& client = game.client;
    Server& server = game.server;
    DrainNetwork(game);
    uint32_t now = NetNow(game);

    if (Elapsed(now, timers.lastNetworkCheck, kNetworkCheckMs, false)) {
        if (server.hosting && !client.loadedMap.empty()) BroadcastPresence(game);
        ExpireFoundServers(client, now);
        timers.lastNetworkCheck = now;
    }
    if (client.playState > 0) {
        if (Elapsed(now, client.messageLog.lastChange, kNetworkCheckMs, false) &&
            client.messageLog.count > 0) {
            DropMessageLine(client);
            client.messageLog.lastChange = now;
        }
        if (Elapsed(now, timers.lastWatchdog, kNetworkCheckMs, true)) {
            timers.lastWatchdog = now;
            CheckConnectionLiveness(game);
        }
        if (server.hosting && Elapsed(now, timers.lastTimeoutCheck, kNetworkCheckMs, true)) {
            timers.lastTimeoutCheck = now;
            RunServerTimeoutCheck(game);
        }
    }
    if (server.hosting) RunServerFrameDuties(game);

    bool playing = !client.players.empty() && client.playState == 1;
    if (playing && !client.clientSettings.gameOver) {
        RequestSpawnsUntilConfirmed(game);
    } else if (LevelRestartDue(game, now)) {
        RestartLevel(game);
        result.levelRestarted = true;
    }
    if (client.playState == 0) result.joinTimedOut = CheckJoinTimeout(game);

    if (Elapsed(now, timers.lastReport, kReportIntervalMs, true)) {
        timers.lastReport = now;
        ClientTimerTick(game);
    }
    return result;
}
