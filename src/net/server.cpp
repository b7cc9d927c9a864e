// The server's receive handler: joins, state reports, kills, bullets, placements in a new level
// and the end of a level. Every payload is parsed whole before anything changes, so a malformed
// datagram leaves the tables as they were.
#include "net/server.h"

#include <algorithm>

#include "app/game.h"
#include "net/client_session.h"
#include "net/level_link.h"
#include "net/messages.h"
#include "net/net_io.h"

namespace {

using Bytes = std::span<const uint8_t>;

void EndLevel(Game& game, bool afterKill) {
    Server& server = game.server;
    tgamesettings& settings = server.serverSettings;
    settings.gameOver = 1;
    if (!server.mapList.empty()) {
        int32_t last = static_cast<int32_t>(server.mapList.size()) - 1;
        server.mapIndex = server.mapIndex >= 0 && server.mapIndex < last ? server.mapIndex + 1 : 0;
        settings.mapName.Assign(server.mapList[static_cast<size_t>(server.mapIndex)]);
    }
    tdatagram endLevel = BuildEndLevel(settings);
    for (const tplayerinfo& player : server.serverPlayers) {
        SendDatagram(game, player.address.View(), kClientPort, endLevel);
        ++(afterKill ? game.traffic.serverStatistics.endlv2 : game.traffic.serverStatistics.endlv);
    }
}

void CountVisitor(TrafficLog& traffic, int32_t id, const std::string& address) {
    bool found = false;
    for (Visitor& visitor : traffic.visitorList) {
        if (visitor.id != id) continue;
        ++visitor.count;
        found = true;
    }
    // Far more than ever play on one LAN; a flood of made-up ids must not grow it further.
    if (!found && traffic.visitorList.size() < kMaxVisitors) {
        traffic.visitorList.push_back({id, address.substr(0, 64), 1});
    }
}

void OnGameInfo(Game& game, const Datagram& datagram) {
    Server& server = game.server;
    std::optional<tclientgameinfo> report = ParseClientGameInfo(datagram.bytes);
    if (!report) return;
    CountVisitor(game.traffic, report->senderId, datagram.fromAddress);
    // Reports for a bot or for another machine's player would move it and redirect its traffic.
    int32_t i = FindPlayerAt(server, report->senderId, datagram.fromAddress);
    if (i < 0 || server.serverPlayers[static_cast<size_t>(i)].isBot) return;

    server.lastHeard[static_cast<size_t>(i)] = NetNow(game);
    tplayerinfo& entry = server.serverPlayers[static_cast<size_t>(i)];
    tplayerinfo updated = report->player;
    // The entry keeps the id and address it is known by (a report naming another id must not
    // duplicate one) and stays a human: the sends to humans skip bots.
    updated.id = entry.id;
    updated.isBot = entry.isBot;
    updated.address = entry.address;
    entry = updated;

    SendDatagram(game, datagram.fromAddress, kClientPort,
                 BuildServerGameInfo(server.serverPlayers, server.serverSettings));
    ++game.traffic.serverStatistics.ginfo;

    const tgamesettings& settings = server.serverSettings;
    if (settings.gameType == kCaptureTheFlag && !settings.gameOver &&
        (settings.fragLimit <= settings.blueFlag.score ||
         settings.fragLimit <= settings.redFlag.score)) {
        EndLevel(game, false);
    }
}

void OnConnect(Game& game, const Datagram& datagram) {
    Server& server = game.server;
    std::optional<tplayerinfo> joining = ParsePlayerRecord(datagram.bytes);
    if (!joining || FindServerPlayer(server, joining->id) >= 0) return;
    // One client listens per machine, so a join from a machine already in the game is that
    // player joining again (its answer was lost, or it restarted): it takes over its own entry
    // instead of adding one that only a time-out would remove, and a flood of joins from one
    // machine holds one entry.
    int32_t rejoin = FindRejoiningEntry(server, datagram.fromAddress);
    if (rejoin < 0 && static_cast<int32_t>(server.serverPlayers.size()) >= kJoinLimit) return;
    // Without a spawn point there is nothing to offer; the joiner times out. (Keeping an empty
    // entry would leave a nameless player whose removal is queued again every two seconds.)
    if (game.world.arena.spawnPoints.empty()) return;

    uint8_t team = joining->team == 0 ? 0 : 1;
    ++server.teamCounts[team];
    const tspawnpoint& spawn = *ChooseSpawnPoint(game, team);
    tplayerinfo entry;
    entry.id = joining->id;
    entry.address.Assign(datagram.fromAddress);
    entry.active = 1;
    entry.joined = 1;
    entry.name = joining->name;
    entry.position = {spawn.x, spawn.y, spawn.z};
    entry.yaw = spawn.angle;
    entry.team = team;
    size_t index = server.serverPlayers.size();
    if (rejoin >= 0) {
        index = static_cast<size_t>(rejoin);
        HandOverConfirmations(server, server.serverPlayers[index].id, entry.id);
        server.serverPlayers[index] = entry;
    } else {
        server.serverPlayers.push_back(entry);
    }
    server.lastHeard.resize(server.serverPlayers.size());
    server.lastHeard[index] = NetNow(game) + kJoinGraceMs;

    SendDatagram(game, datagram.fromAddress, kClientPort,
                 BuildJoinAccepted(server.serverPlayers, server.serverSettings));
    ++game.traffic.serverStatistics.addpl;

    tdatagram added = BuildAdded(server.serverPlayers, server.serverSettings, DrawNetId(game));
    for (size_t i = 0; i < server.serverPlayers.size(); ++i) {
        if (i == index) continue;
        ++game.traffic.serverStatistics.added;
        const tplayerinfo& other = server.serverPlayers[i];
        if (!other.isBot) SendDatagram(game, other.address.View(), kClientPort, added);
    }
}

void OnDisconnect(Game& game, const Datagram& datagram) {
    std::optional<int32_t> id = ParseSingleId(datagram.bytes);
    if (!id) return;
    int32_t i = FindPlayerAt(game.server, *id, datagram.fromAddress);
    if (i < 0) return;
    game.server.serverPlayers[static_cast<size_t>(i)].joined = 0;
    QueueDeparture(game, i);
}

// Bullet starts and ends go to every other machine, once per table entry on it (bots share the
// host's address, so the host hears a remote shot once per bot and once for itself).
void ForwardBulletMessage(Game& game, const Datagram& datagram, int64_t& counter) {
    Server& server = game.server;
    tdatagram copy{};
    std::copy_n(datagram.bytes.begin(), std::min(datagram.bytes.size(), copy.size()), copy.begin());
    for (const tplayerinfo& player : server.serverPlayers) {
        if (player.address.View() == datagram.fromAddress) continue;
        SendDatagram(game, player.address.View(), kClientPort, copy);
        ++counter;
    }
}

void OnBulletStart(Game& game, const Datagram& datagram) {
    const std::vector<tplayerinfo>& players = game.server.serverPlayers;
    std::optional<tbulletstart> bullet = ParseBulletStart(datagram.bytes);
    if (!bullet || bullet->ownerIndex < 0 ||
        bullet->ownerIndex >= static_cast<int32_t>(players.size())) {
        return;
    }
    // A machine fires its own player's bullets (the host its bots' too).
    if (players[static_cast<size_t>(bullet->ownerIndex)].address.View() != datagram.fromAddress) {
        return;
    }
    ForwardBulletMessage(game, datagram, game.traffic.serverStatistics.bulst);
}

void OnBulletFinish(Game& game, const Datagram& datagram) {
    if (!ParseBulletFinish(datagram.bytes) || !IsPlayerAddress(game.server, datagram.fromAddress)) {
        return;
    }
    ForwardBulletMessage(game, datagram, game.traffic.serverStatistics.bulfn);
}

void OnKill(Game& game, const Datagram& datagram) {
    Server& server = game.server;
    std::optional<tkillnotice> kill = ParseKill(datagram.bytes);
    if (!kill) return;
    // The killer's own machine decides its hits; nobody else scores for it.
    int32_t k = FindPlayerAt(server, kill->killerId, datagram.fromAddress);
    if (k < 0 || FindServerPlayer(server, kill->victimId) < 0) return;

    tdatagram copy{};
    std::copy_n(datagram.bytes.begin(), std::min(datagram.bytes.size(), copy.size()), copy.begin());
    for (const tplayerinfo& player : server.serverPlayers) {
        ++game.traffic.serverStatistics.illim;
        if (!player.isBot) SendDatagram(game, player.address.View(), kClientPort, copy);
    }

    tgamesettings& settings = server.serverSettings;
    const tplayerinfo& killer = server.serverPlayers[static_cast<size_t>(k)];
    if (settings.gameType == kTeamDeathMatch) {
        tteamflag& scoring = killer.team == 0 ? settings.blueFlag : settings.redFlag;
        if (scoring.score < 255) ++scoring.score;
    }
    bool limitReached = false;
    if (settings.gameType == kDeathMatch) {
        // A human's entry still shows the frags before this kill; a bot's already counts it.
        int32_t needed = killer.isBot ? settings.fragLimit : settings.fragLimit - 1;
        limitReached = killer.frags >= needed;
    } else if (settings.gameType == kTeamDeathMatch) {
        limitReached = settings.fragLimit <= settings.blueFlag.score ||
                       settings.fragLimit <= settings.redFlag.score;
    }
    if (limitReached && !settings.gameOver) EndLevel(game, true);
}

// A player's place in the next level, asked for after a level change: the next point of the
// level's order, with the score cleared. Whoever asks is answered, at any time.
void OnRespawnRequest(Game& game, const Datagram& datagram) {
    Server& server = game.server;
    std::optional<int32_t> id = ParseSingleId(datagram.bytes);
    if (!id) return;
    int32_t i = FindPlayerAt(server, *id, datagram.fromAddress);
    if (i < 0) return;
    const tplayerinfo& player = server.serverPlayers[static_cast<size_t>(i)];
    const tspawnpoint* spawn = ChooseSpawnPoint(game, player.team);
    if (!spawn) return;
    tplayerinfo placement;
    placement.id = player.id;
    placement.position = {spawn->x, spawn->y, spawn->z};
    placement.yaw = spawn->angle;
    SendDatagram(game, player.address.View(), kClientPort, BuildRespawnPlacement(placement));
    ++game.traffic.serverStatistics.respl;
}

void OnAddedAck(Game& game, const Datagram& datagram) {
    std::optional<int32_t> messageId = ParseSingleId(datagram.bytes);
    if (!messageId) return;
    std::vector<tpendingmessage>& pending = game.server.pendingMessages;
    // Only the machine a resend goes to can end it.
    auto match = std::find_if(pending.begin(), pending.end(), [&](const tpendingmessage& entry) {
        return entry.id == *messageId && entry.address.View() == datagram.fromAddress;
    });
    if (match != pending.end()) pending.erase(match);
}

}  // namespace

void StartHostedGame(Game& game) {
    Server& server = game.server;
    Client& client = game.client;
    // Leave a game joined elsewhere while its server is still the destination.
    if (IsConnected(game)) Disconnect(game);
    game.state.hosting = true;
    if (server.mapIndex < 0 || server.mapIndex >= static_cast<int32_t>(server.mapList.size())) {
        server.mapIndex = 0;
    }
    std::string map = server.mapList.empty() ? std::string() : server.mapList[server.mapIndex];
    if (!map.empty() && LoadLevel(game, map)) client.loadedMap = map;
    server.serverSettings.mapName.Assign(map);
    server.serverSettings.running = 1;
    client.clientSettings.serverAddress.Assign("127.0.0.1");
    client.serverDestination = "127.0.0.1";
    server.serverIdle = false;
    Connect(game);
}

void UDPServUDPRead(Game& game, const Datagram& datagram) {
    if (game.server.serverIdle) return;
    Bytes bytes = datagram.bytes;
    switch (ReadTag(bytes)) {
        case tmessagetag::kGameInfo:
            OnGameInfo(game, datagram);
            break;
        case tmessagetag::kConnect:
            OnConnect(game, datagram);
            break;
        case tmessagetag::kDisconnect:
            OnDisconnect(game, datagram);
            break;
        case tmessagetag::kBulletStart:
            OnBulletStart(game, datagram);
            break;
        case tmessagetag::kBulletFinish:
            OnBulletFinish(game, datagram);
            break;
        case tmessagetag::kKill:
            OnKill(game, datagram);
            break;
        case tmessagetag::kRespawn:
            OnRespawnRequest(game, datagram);
            break;
        case tmessagetag::kAddedAck:
            OnAddedAck(game, datagram);
            break;
        case tmessagetag::kDeletedAck:
            // A confirmation counts for the player of the machine that sent it.
            if (std::optional<tplayerdeletedack> ack = ParseDeletedAck(bytes);
                ack && FindPlayerAt(game.server, ack->senderId, datagram.fromAddress) >= 0) {
                ConfirmRemoval(game, ack->departedId, ack->senderId);
            }
            break;
        default:
            break;
    }
}
