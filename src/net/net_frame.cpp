#include "net/net_frame.h"

#include <cmath>

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

void FlyRemoteBullets(Client& client, float speedFactor) {
    for (tremotebullet& bullet : client.bullets) {
        bullet.position.x += bullet.velocity.x * speedFactor;
        bullet.position.y += bullet.velocity.y * speedFactor;
        bullet.position.z += bullet.velocity.z * speedFactor;
    }
    // Its owner's end report may be lost; out of range it leaves anyway, as the owner's copy does.
    std::erase_if(client.bullets, [](const tremotebullet& bullet) {
        float sum = bullet.position.x + bullet.position.y + bullet.position.z;
        return !(std::fabs(sum) <= kRemoteBulletRange);
    });
}
