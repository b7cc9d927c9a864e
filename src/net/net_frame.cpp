#include "net/net_frame.h"

#include "app/game.h"
#include "net/client_receive.h"
#include "net/client_session.h"
#include "net/net_io.h"
#include "net/server.h"

namespace {

// Far more than a 9-player game produces in a frame; the rest waits for the next frame.
constexpr int kMaxDatagramsPerPort = 512;

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

void RunNetworkHousekeeping(Game& game) {
    if (game.state.hosting && !game.client.loadedMap.empty()) BroadcastPresence(game);
    ExpireFoundServers(game.client, NetNow(game));
}

void RequestSpawnsUntilConfirmed(Game& game) {
    if (game.state.spawnConfirmed) return;
    SendRespawnRequest(game, game.client.localPlayer.id);
    if (!game.state.hosting) return;
    for (const tplayerinfo& player : game.server.serverPlayers) {
        if (player.isBot) SendRespawnRequest(game, player.id);
    }
}
