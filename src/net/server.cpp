// The server's receive handler: joins, state reports, kills, bullets, placements in a new level
// and the end of a level. Every payload is parsed whole before anything changes, so a malformed
// datagram leaves the tables as they were.
#include "net/server.h"

#include <algorithm>

#include "game/death.h"
#include "game/respawn.h"
#include "game/roster.h"
#include "net/client_session.h"
#include "net/level_link.h"
#include "net/map_transfer.h"
#include "net/messages.h"
#include "net/net_io.h"
#include "net/session.h"

namespace {

using Bytes = std::span<const uint8_t>;

void Announce(const Server& server, const std::string& line) {
    if (server.announce) server.announce(line);
}

void EndLevel(Session& session, bool afterKill) {
    Server& server = session.server;
    tgamesettings& settings = server.serverSettings;
    settings.gameOver = 1;
    if (!server.mapList.empty()) {
        int32_t last = static_cast<int32_t>(server.mapList.size()) - 1;
        server.mapIndex = server.mapIndex >= 0 && server.mapIndex < last ? server.mapIndex + 1 : 0;
        settings.mapName.Assign(server.mapList[static_cast<size_t>(server.mapIndex)]);
    }
    tdatagram endLevel = BuildEndLevel(settings);
    for (const tplayerinfo& player : server.serverPlayers) {
        SendDatagram(session, player.address.View(), kClientPort, endLevel);
        ++(afterKill ? session.traffic.serverStatistics.endlv2
                     : session.traffic.serverStatistics.endlv);
    }
    Announce(server, "level over; next map " + settings.mapName.Text());
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

void OnGameInfo(Session& session, const Datagram& datagram) {
    Server& server = session.server;
    std::optional<tclientgameinfo> report = ParseClientGameInfo(datagram.bytes);
    if (!report) return;
    CountVisitor(session.traffic, report->senderId, datagram.fromAddress);
    // Reports for a bot or for another machine's player would move it and redirect its traffic.
    int32_t i = FindPlayerAt(server, report->senderId, datagram.fromAddress);
    if (i < 0 || server.serverPlayers[static_cast<size_t>(i)].isBot) return;

    server.lastHeard[static_cast<size_t>(i)] = NetNow(session);
    tplayerinfo& entry = server.serverPlayers[static_cast<size_t>(i)];
    tplayerinfo updated = report->player;
    // The entry keeps the id and address it is known by (a report naming another id must not
    // duplicate one) and stays a human: the sends to humans skip bots.
    updated.id = entry.id;
    updated.isBot = entry.isBot;
    updated.address = entry.address;
    entry = updated;

    SendDatagram(session, datagram.fromAddress, kClientPort,
                 BuildServerGameInfo(server.serverPlayers, server.serverSettings));
    ++session.traffic.serverStatistics.ginfo;
    EndLevelAtScoreLimit(session);
}

void OnConnect(Session& session, const Datagram& datagram) {
    Server& server = session.server;
    std::optional<tplayerinfo> joining = ParsePlayerRecord(datagram.bytes);
    if (!joining || FindServerPlayer(server, joining->id) >= 0) return;
    // One client listens per machine, so a join from a machine already in the game is that
    // player joining again (its answer was lost, or it restarted): it takes over its own entry
    // instead of adding one that only a time-out would remove, and a flood of joins from one
    // machine holds one entry.
    const int32_t hostPlayerId =
        session.state.localPlayerIndex >= 0 ? session.client.localPlayer.id : -1;
    int32_t rejoin =
        FindRejoiningEntry(server, datagram.fromAddress, NetNow(session), hostPlayerId);
    if (rejoin < 0 && static_cast<int32_t>(server.serverPlayers.size()) >= kJoinLimit) return;
    // Without a spawn point there is nothing to offer; the joiner times out. (Keeping an empty
    // entry would leave a nameless player whose removal is queued again every two seconds.)
    if (session.world.arena.spawnPoints.empty()) return;

    uint8_t team = joining->team == 0 ? 0 : 1;
    ++server.teamCounts[team];
    // Away from the players in the level and from where it placed them (a host's first level
    // places its bots after its own player).
    const tspawnpoint& spawn = *ChooseSpawnPoint(
        session, joining->id, team,
        LivingSurroundings(session.play.players, -1, server.serverSettings.gameType, team));
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
    server.lastHeard[index] = NetNow(session) + kJoinGraceMs;

    SendDatagram(session, datagram.fromAddress, kClientPort,
                 BuildJoinAccepted(server.serverPlayers, server.serverSettings));
    ++session.traffic.serverStatistics.addpl;
    if (rejoin < 0) {
        Announce(server, entry.name.Text() + " joined from " + entry.address.Text() +
                             TeamName(server.serverSettings.gameType, team));
    }

    // The newcomer's table still lists the players whose departure is being confirmed: it is
    // told of each departure like everyone else, or it would keep their slots for good. So is a
    // player joining again, whose machine starts over from this table: a removal its old id
    // had already confirmed is new to it.
    for (tfeedbackrec& departure : server.departures) {
        if (std::find(departure.recipients.begin(), departure.recipients.end(), entry.id) ==
            departure.recipients.end())
            departure.recipients.push_back(entry.id);
    }
    SendAdded(session, index);
}

void OnDisconnect(Session& session, const Datagram& datagram) {
    std::optional<int32_t> id = ParseSingleId(datagram.bytes);
    if (!id) return;
    int32_t i = FindPlayerAt(session.server, *id, datagram.fromAddress);
    if (i < 0) return;
    session.server.serverPlayers[static_cast<size_t>(i)].joined = 0;
    QueueDeparture(session, i);
}

tdatagram CopyOf(const Datagram& datagram) {
    tdatagram copy{};
    std::copy_n(datagram.bytes.begin(), std::min(datagram.bytes.size(), copy.size()), copy.begin());
    return copy;
}

// Bullet starts and ends go to every other machine, once per table entry on it (bots share the
// host's address, so the host hears a remote shot once per bot and once for itself). A level
// that is over takes no more shots: they were fired in it, and the next level must not see them.
void ForwardBulletMessage(Session& session, const tdatagram& message, std::string_view fromAddress,
                          int64_t& counter) {
    for (const tplayerinfo& player : session.server.serverPlayers) {
        if (player.address.View() == fromAddress) continue;
        SendDatagram(session, player.address.View(), kClientPort, message);
        ++counter;
    }
}

// A shot names its owner by the slot it has on the shooter's machine, and every machine is told
// the slot it has there: while a departure is being confirmed, machines that removed the departed
// player number the players above it one lower than those that have not yet.
void OnBulletStart(Session& session, const Datagram& datagram) {
    const Server& server = session.server;
    std::optional<tbulletstart> bullet = ParseBulletStart(datagram.bytes);
    if (!bullet || server.serverSettings.gameOver) return;
    const int32_t owner =
        EntryOfSlot(server, bullet->ownerIndex, HumanIdAt(server, datagram.fromAddress));
    // A machine fires its own player's bullets (the host its bots' too).
    if (owner < 0 ||
        server.serverPlayers[static_cast<size_t>(owner)].address.View() != datagram.fromAddress) {
        return;
    }
    tdatagram message = CopyOf(datagram);
    for (const tplayerinfo& player : server.serverPlayers) {
        if (player.address.View() == datagram.fromAddress) continue;
        const int32_t slot = SlotOnMachine(server, owner, HumanIdAt(server, player.address.View()));
        if (slot < 0) continue;
        RewriteBulletOwner(message, slot);
        SendDatagram(session, player.address.View(), kClientPort, message);
        ++session.traffic.serverStatistics.bulst;
    }
}

void OnBulletFinish(Session& session, const Datagram& datagram) {
    if (!ParseBulletFinish(datagram.bytes) || session.server.serverSettings.gameOver ||
        !IsPlayerAddress(session.server, datagram.fromAddress)) {
        return;
    }
    ForwardBulletMessage(session, CopyOf(datagram), datagram.fromAddress,
                         session.traffic.serverStatistics.bulfn);
}

void OnKill(Session& session, const Datagram& datagram) {
    Server& server = session.server;
    std::optional<tkillnotice> kill = ParseKill(datagram.bytes);
    // A kill in a level that is over belongs to that level: it neither scores nor fells anyone.
    if (!kill || server.serverSettings.gameOver) return;
    // The killer's own machine decides its hits; nobody else scores for it.
    int32_t k = FindPlayerAt(server, kill->killerId, datagram.fromAddress);
    if (k < 0 || FindServerPlayer(server, kill->victimId) < 0) return;

    const tdatagram copy = CopyOf(datagram);
    for (const tplayerinfo& player : server.serverPlayers) {
        ++session.traffic.serverStatistics.illim;
        if (!player.isBot) SendDatagram(session, player.address.View(), kClientPort, copy);
    }
    Match match = MatchOf(session);
    match.now = NetNow(session);
    KillHostedBot(match, kill->victimId);

    const tplayerinfo& killer = server.serverPlayers[static_cast<size_t>(k)];
    const int32_t v = FindServerPlayer(server, kill->victimId);
    Announce(server, killer.name.Text() + " killed " +
                         server.serverPlayers[static_cast<size_t>(v)].name.Text());
    CountAcceptedKill(server.levelScore, server.serverSettings, killer.id, killer.team);
    if (LevelLimitReached(server.levelScore, server.serverSettings) &&
        !server.serverSettings.gameOver)
        EndLevel(session, true);
}

// A player's place in the next level, asked for after a level change: a point away from the
// enemies placed in it so far, with the score cleared. A player's machine may start the next level
// before the server has: while the level is over, the server still has the old map, so the answer
// waits (the machine asks every frame) until the server has started the level the asker is
// starting.
void OnRespawnRequest(Session& session, const Datagram& datagram) {
    Server& server = session.server;
    std::optional<int32_t> id = ParseSingleId(datagram.bytes);
    if (!id || server.serverSettings.gameOver) return;
    int32_t i = FindPlayerAt(server, *id, datagram.fromAddress);
    if (i < 0) return;
    const tplayerinfo& player = server.serverPlayers[static_cast<size_t>(i)];
    const tspawnpoint* spawn = ChooseSpawnPoint(session, player.id, player.team);
    if (!spawn) return;
    tplayerinfo placement;
    placement.id = player.id;
    placement.position = {spawn->x, spawn->y, spawn->z};
    placement.yaw = spawn->angle;
    SendDatagram(session, player.address.View(), kClientPort, BuildRespawnPlacement(placement));
    ++session.traffic.serverStatistics.respl;
    if (!player.isBot) return;
    // A bot this server runs stands at its place in the new level with its score cleared.
    tplayerinfo& bot = server.serverPlayers[static_cast<size_t>(i)];
    bot.frags = 0;
    bot.deaths = 0;
    Match match = MatchOf(session);
    PlaceById(match, bot.id, placement.position, placement.yaw);
}

void OnAddedAck(Session& session, const Datagram& datagram) {
    std::optional<int32_t> messageId = ParseSingleId(datagram.bytes);
    if (!messageId) return;
    std::vector<tpendingmessage>& pending = session.server.pendingMessages;
    // Only the machine a resend goes to can end it.
    auto match = std::find_if(pending.begin(), pending.end(), [&](const tpendingmessage& entry) {
        return entry.id == *messageId && entry.address.View() == datagram.fromAddress;
    });
    if (match != pending.end()) pending.erase(match);
}

}  // namespace

void StartHostedGame(Session& session) {
    Server& server = session.server;
    Client& client = session.client;
    // Leave a game joined elsewhere while its server is still the destination.
    if (IsConnected(session)) Disconnect(session);
    session.state.hosting = true;
    if (server.mapIndex < 0 || server.mapIndex >= static_cast<int32_t>(server.mapList.size())) {
        server.mapIndex = 0;
    }
    std::string map = server.mapList.empty() ? std::string() : server.mapList[server.mapIndex];
    if (!map.empty() && LoadLevel(session, map)) client.loadedMap = map;
    server.serverSettings.mapName.Assign(map);
    server.serverSettings.running = 1;
    client.clientSettings.serverAddress.Assign("127.0.0.1");
    client.serverDestination = "127.0.0.1";
    server.serverIdle = false;
    Connect(session);
}

std::string TeamName(uint8_t gameType, uint8_t team) {
    if (gameType == kDeathMatch) return "";
    return team == 0 ? " (blue)" : " (red)";
}

void EndLevelAtScoreLimit(Session& session) {
    const Server& server = session.server;
    if (!server.serverSettings.gameOver &&
        LevelLimitReached(server.levelScore, server.serverSettings)) {
        EndLevel(session, false);
    }
}

void UDPServUDPRead(Session& session, const Datagram& datagram) {
    if (session.server.serverIdle) return;
    Bytes bytes = datagram.bytes;
    switch (ReadTag(bytes)) {
        case tmessagetag::kGameInfo:
            OnGameInfo(session, datagram);
            break;
        case tmessagetag::kConnect:
            OnConnect(session, datagram);
            break;
        case tmessagetag::kDisconnect:
            OnDisconnect(session, datagram);
            break;
        case tmessagetag::kBulletStart:
            OnBulletStart(session, datagram);
            break;
        case tmessagetag::kBulletFinish:
            OnBulletFinish(session, datagram);
            break;
        case tmessagetag::kKill:
            OnKill(session, datagram);
            break;
        case tmessagetag::kRespawn:
            OnRespawnRequest(session, datagram);
            break;
        case tmessagetag::kAddedAck:
            OnAddedAck(session, datagram);
            break;
        case tmessagetag::kMapRequest:
            ServeMapPiece(session, datagram);
            break;
        case tmessagetag::kDeletedAck:
            // A confirmation counts for the player of the machine that sent it.
            if (std::optional<tplayerdeletedack> ack = ParseDeletedAck(bytes);
                ack && FindPlayerAt(session.server, ack->senderId, datagram.fromAddress) >= 0) {
                ConfirmRemoval(session, ack->departedId, ack->senderId);
            }
            break;
        default:
            break;
    }
}
