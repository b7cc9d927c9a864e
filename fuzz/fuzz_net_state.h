// Shared by the network fuzz targets: a hosted game in progress (the host, two bots, one remote
// player; a joining machine's client), a Network that swallows sends, and the input format: a
// sequence of datagrams, each a sender byte, a two-byte length and the bytes.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "app/game.h"
#include "game/roster.h"
#include "net/messages.h"
#include "net/network.h"
#include "net/server.h"

class DiscardingNetwork final : public Network {
  public:
    bool Listen(uint16_t) override { return true; }
    void SendTo(const std::string&, uint16_t, std::span<const uint8_t>) override {}
    void Broadcast(uint16_t, std::span<const uint8_t>) override {}
    std::optional<Datagram> Receive(uint16_t) override { return std::nullopt; }
};

inline tplayerinfo FuzzPlayer(int32_t id, const char* address, uint8_t isBot) {
    tplayerinfo player;
    player.id = id;
    player.name.Assign(isBot ? "Bot" : "Human");
    player.address.Assign(address);
    player.joined = isBot ? 0 : 1;
    player.active = 1;
    player.isBot = isBot;
    return player;
}

// The host's game after two bots and one remote player joined, on a three-map rotation.
inline Game HostedGameInProgress(Clock& clock, Network& network) {
    Game game;
    game.services.clock = &clock;
    game.services.network = &network;
    Server& server = game.server;
    game.state.hosting = true;
    server.serverIdle = false;
    server.mapList = {"arena1.map", "arena2.map", "arena3.map"};
    server.serverSettings.mapName.Assign("arena1.map");
    server.serverSettings.running = 1;
    server.serverSettings.fragLimit = 3;
    server.serverSettings.gameType = kCaptureTheFlag;
    game.world.arena.spawnPoints = {{1, 0, 1, 0, 0}, {2, 0, 2, 90, 1}, {3, 0, 3, 0, 1}};
    server.serverPlayers = {FuzzPlayer(100, "127.0.0.1", 0), FuzzPlayer(200, "127.0.0.1", 1),
                            FuzzPlayer(201, "127.0.0.1", 1), FuzzPlayer(300, "10.0.0.2", 0)};
    server.lastHeard.assign(server.serverPlayers.size(), 0);
    Client& client = game.client;
    client.serverDestination = "127.0.0.1";
    client.clientSettings = server.serverSettings;
    client.clientSettings.serverAddress.Assign("127.0.0.1");
    Match match = MatchOf(game);
    for (const tplayerinfo& record : server.serverPlayers) SeatPlayer(match, record);
    client.localPlayer = server.serverPlayers[0];
    game.state.localPlayerIndex = 0;
    game.state.playState = 1;
    return game;
}

inline const char* FuzzSender(uint8_t selector) {
    static const char* const kSenders[] = {"127.0.0.1", "10.0.0.2", "10.0.0.3", "10.0.0.1"};
    return kSenders[selector % 4];
}

// Calls `deliver` once per datagram found in the input.
template <typename Deliver>
void ForEachDatagram(const uint8_t* data, size_t size, Deliver deliver) {
    size_t offset = 0;
    while (size - offset >= 3) {
        uint8_t sender = data[offset];
        size_t length = data[offset + 1] | (static_cast<size_t>(data[offset + 2]) << 8);
        offset += 3;
        length = std::min({length, size - offset, kDatagramSize});
        deliver(Datagram{FuzzSender(sender), {data + offset, data + offset + length}}, sender);
        offset += length;
    }
}

inline void Require(bool condition) {
    if (!condition) std::abort();
}
