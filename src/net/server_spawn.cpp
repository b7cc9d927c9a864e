// Spawn points for joins, respawn requests and bots; the host's bots' table entries.
#include <algorithm>

#include "app/game.h"
#include "net/messages.h"
#include "net/net_io.h"
#include "net/server.h"

namespace {

constexpr std::string_view kBotNames[8] = {"Grinder", "Vortex", "Mamba",  "Ratchet",
                                           "Kestrel", "Bolt",   "Ferrum", "Nyx"};

void Shuffle(std::vector<uint8_t>& indices, Random& random) {
    for (size_t i = indices.size(); i > 1; --i) {
        size_t j = static_cast<size_t>(random.Below(static_cast<int32_t>(i)));
        std::swap(indices[i - 1], indices[j]);
    }
}

int32_t FreshBotId(Game& game) {
    // A duplicate id would make two entries answer to one name on every machine.
    int32_t id = DrawNetId(game);
    while (FindServerPlayer(game.server, id) >= 0) id = (id + 1) % kIdRange;
    return id;
}

}  // namespace

int32_t FindServerPlayer(const Server& server, int32_t id) {
    for (size_t i = 0; i < server.serverPlayers.size(); ++i) {
        if (server.serverPlayers[i].id == id) return static_cast<int32_t>(i);
    }
    return -1;
}

void BuildSpawnOrder(Server& server, Random& random) {
    for (tspawnorder& order : server.spawnOrder) order = {};
    // Indices are bytes on disk; a map never holds more than 256 spawn points that matter.
    size_t usable = std::min<size_t>(server.spawnPoints.size(), 256);
    for (size_t i = 0; i < usable; ++i) {
        uint8_t index = static_cast<uint8_t>(i);
        server.spawnOrder[kSpawnAll].indices.push_back(index);
        int32_t list = server.spawnPoints[i].team == 0 ? kSpawnBlue : kSpawnRed;
        server.spawnOrder[list].indices.push_back(index);
    }
    for (tspawnorder& order : server.spawnOrder) Shuffle(order.indices, random);
}

int32_t ChooseSpawnPoint(Server& server, uint8_t team) {
    if (server.spawnPoints.empty()) return -1;
    int32_t list = kSpawnAll;
    if (server.serverSettings.gameType != kDeathMatch) list = team == 0 ? kSpawnBlue : kSpawnRed;
    tspawnorder& order = server.spawnOrder[list];
    // A team without points of its own (or an order never built) falls back to any point.
    if (order.indices.empty()) order = server.spawnOrder[kSpawnAll];
    if (order.indices.empty()) return 0;
    if (order.cursor >= order.indices.size()) order.cursor = 0;
    uint8_t index = order.indices[order.cursor];
    order.cursor = (order.cursor + 1) % order.indices.size();
    return index < server.spawnPoints.size() ? index : 0;
}

void AddBots(Game& game) {
    Server& server = game.server;
    int32_t wanted = std::min<int32_t>(server.serverSettings.botCount, kBotLimit);
    for (int32_t b = 0; b < wanted; ++b) {
        if (server.spawnPoints.empty()) break;
        if (static_cast<int32_t>(server.serverPlayers.size()) >= kMaxPlayers) break;

        tplayerinfo bot;
        if (server.serverSettings.gameType != kDeathMatch) {
            bool blue = server.teamCounts[0] < server.teamCounts[1];
            bot.team = blue ? 0 : 1;
            ++server.teamCounts[blue ? 0 : 1];
        }
        const tspawnpoint& spawn = server.spawnPoints[ChooseSpawnPoint(server, bot.team)];
        bot.id = FreshBotId(game);
        bot.address.Assign("127.0.0.1");
        bot.active = 1;
        bot.isBot = 1;
        bot.position = spawn.position;
        bot.yaw = spawn.yaw;
        bot.name.Assign(kBotNames[game.random.Below(8)]);
        server.serverPlayers.push_back(bot);

        int32_t messageId = DrawNetId(game);
        tdatagram added = BuildAdded(server.serverPlayers, server.serverSettings, messageId);
        for (const tplayerinfo& player : server.serverPlayers) {
            if (player.isBot) continue;
            SendDatagram(game, player.address.View(), kClientPort, added);
            ++game.traffic.serverStatistics.added;
            server.pendingMessages.push_back({messageId, player.address, added});
        }
    }
    uint32_t now = NetNow(game);
    server.lastHeard.resize(server.serverPlayers.size(), now);
    for (size_t i = 0; i < server.serverPlayers.size(); ++i) {
        if (server.serverPlayers[i].isBot) server.lastHeard[i] = now;
    }
}
