// Spawn points for joins, placements in a new level and bots; the host's bots' table entries.
#include <algorithm>
#include <iterator>
#include <string_view>
#include <vector>

#include "game/respawn.h"
#include "game/roster.h"
#include "net/messages.h"
#include "net/net_io.h"
#include "net/server.h"
#include "net/session.h"

namespace {

constexpr std::string_view kBotNames[8] = {"Grinder", "Vortex", "Mamba",  "Ratchet",
                                           "Kestrel", "Bolt",   "Ferrum", "Nyx"};

int32_t FreshBotId(Session& session) {
    // A duplicate id would make two entries answer to one name on every machine.
    int32_t id = DrawNetId(session);
    while (FindServerPlayer(session.server, id) >= 0) id = (id + 1) % kIdRange;
    return id;
}

// A random name of the table that no player of the match has yet ("Bolt killed Bolt" reads as a
// suicide); any name of the table once all are taken.
std::string_view DrawBotName(Session& session) {
    std::vector<std::string_view> free;
    for (std::string_view name : kBotNames) {
        const std::vector<tplayerinfo>& players = session.server.serverPlayers;
        if (std::none_of(players.begin(), players.end(),
                         [name](const tplayerinfo& player) { return player.name.View() == name; }))
            free.push_back(name);
    }
    if (free.empty())
        return kBotNames[session.random.Below(static_cast<int32_t>(std::size(kBotNames)))];
    return free[static_cast<size_t>(session.random.Below(static_cast<int32_t>(free.size())))];
}

}  // namespace

const tspawnpoint* ChooseSpawnPoint(Session& session, int32_t playerId, uint8_t team,
                                    SpawnSurroundings around) {
    Arena& arena = session.world.arena;
    const uint8_t gameType = session.server.serverSettings.gameType;
    for (const SpawnClaim& claim : arena.spawnClaims) {
        // A player asking again (its answer was lost) stands where it was sent.
        if (claim.playerId == playerId) {
            for (const tspawnpoint& point : arena.spawnPoints) {
                if (tvec3{point.x, point.y, point.z} == claim.position) return &point;
            }
        }
        around.everyone.push_back(claim.position);
        if (gameType == kDeathMatch || claim.team != team) around.enemies.push_back(claim.position);
    }
    const tspawnpoint* spawn = ChooseSpawnAwayFrom(arena, gameType, team, around, session.random);
    if (spawn) arena.spawnClaims.push_back({playerId, team, {spawn->x, spawn->y, spawn->z}});
    return spawn;
}

void AddBots(Session& session) {
    Server& server = session.server;
    int32_t wanted = std::min<int32_t>(server.serverSettings.botCount, kBotLimit);
    for (int32_t b = 0; b < wanted; ++b) {
        if (session.world.arena.spawnPoints.empty()) break;
        if (static_cast<int32_t>(server.serverPlayers.size()) >= kMaxPlayers) break;

        tplayerinfo bot;
        if (server.serverSettings.gameType != kDeathMatch) {
            bool blue = server.teamCounts[0] < server.teamCounts[1];
            bot.team = blue ? 0 : 1;
            ++server.teamCounts[blue ? 0 : 1];
        }
        bot.id = FreshBotId(session);
        const tspawnpoint& spawn = *ChooseSpawnPoint(session, bot.id, bot.team);
        bot.address.Assign("127.0.0.1");
        bot.active = 1;
        bot.isBot = 1;
        bot.position = {spawn.x, spawn.y, spawn.z};
        bot.yaw = spawn.angle;
        bot.name.Assign(DrawBotName(session));
        server.serverPlayers.push_back(bot);

        SendAdded(session, server.serverPlayers.size() - 1);
    }
    uint32_t now = NetNow(session);
    server.lastHeard.resize(server.serverPlayers.size(), now);
    for (size_t i = 0; i < server.serverPlayers.size(); ++i) {
        if (server.serverPlayers[i].isBot) server.lastHeard[i] = now;
    }
}

void SendAdded(Session& session, size_t newcomer) {
    Server& server = session.server;
    const int32_t messageId = DrawNetId(session);
    const tdatagram added = BuildAdded(server.serverPlayers, server.serverSettings, messageId);
    for (size_t i = 0; i < server.serverPlayers.size(); ++i) {
        const tplayerinfo& player = server.serverPlayers[i];
        if (i == newcomer || player.isBot) continue;
        SendDatagram(session, player.address.View(), kClientPort, added);
        ++session.traffic.serverStatistics.added;
        // The newest table tells a machine everything an older one would: one resend per machine,
        // however fast players join.
        std::erase_if(server.pendingMessages, [&](const tpendingmessage& message) {
            return message.address == player.address;
        });
        server.pendingMessages.push_back({messageId, player.address, added});
    }
}

void PlaceBotsAtLevelStart(Session& session) {
    for (tplayerinfo& bot : session.server.serverPlayers) {
        if (!bot.isBot) continue;
        const tspawnpoint* spawn = ChooseSpawnPoint(session, bot.id, bot.team);
        if (!spawn) continue;
        bot.position = {spawn->x, spawn->y, spawn->z};
        bot.yaw = spawn->angle;
        bot.frags = 0;
        bot.deaths = 0;
        // The server's slots and the match's differ while a departure is confirmed: by id.
        Match match = MatchOf(session);
        PlaceById(match, bot.id, bot.position, bot.yaw);
    }
}
