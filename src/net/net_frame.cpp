#include "net/net_frame.h"

#include "net/client_receive.h"
#include "net/client_session.h"
#include "net/net_io.h"
#include "net/server.h"
#include "net/session.h"

namespace {

// Far more than a 9-player game produces in a frame; the rest waits for the next frame.
constexpr int kMaxDatagramsPerPort = 512;

}  // namespace

bool OpenNetworkPorts(Session& session) {
    Network* network = session.services.network;
    if (!network) return false;
    bool server = network->Listen(kServerPort);
    bool client = network->Listen(kClientPort);
    session.client.clientPortOpen = client;
    session.client.serverPortOpen = server;
    session.client.listeningSince = NetNow(session);
    session.client.broadcastInterface = network->HasBroadcastInterface();
    return server && client;
}

void DrainNetwork(Session& session) {
    Network* network = session.services.network;
    if (!network) return;
    for (uint16_t port : {kServerPort, kClientPort}) {
        for (int n = 0; n < kMaxDatagramsPerPort; ++n) {
            std::optional<Datagram> datagram = network->Receive(port);
            if (!datagram) break;
            if (datagram->bytes.size() > kDatagramSize) datagram->bytes.resize(kDatagramSize);
            if (port == kServerPort) {
                UDPServUDPRead(session, *datagram);
            } else {
                UDPServClUDPRead(session, *datagram);
            }
        }
    }
}

void RunNetworkHousekeeping(Session& session) {
    if (session.state.hosting && !session.client.loadedMap.empty()) BroadcastPresence(session);
    ExpireFoundServers(session.client, NetNow(session));
    if (session.services.network)
        session.client.broadcastInterface = session.services.network->HasBroadcastInterface();
}

void RequestSpawnsUntilConfirmed(Session& session) {
    if (session.state.spawnConfirmed) return;
    SendRespawnRequest(session, session.client.localPlayer.id);
    if (!session.state.hosting) return;
    for (const tplayerinfo& player : session.server.serverPlayers) {
        if (player.isBot) SendRespawnRequest(session, player.id);
    }
}
