#include "net/client_receive.h"

#include <algorithm>
#include <cmath>

#include "game/bullets.h"
#include "game/death.h"
#include "game/flags.h"
#include "game/roster.h"
#include "game/spawn_protection.h"
#include "net/client_session.h"
#include "net/level_link.h"
#include "net/map_transfer.h"
#include "net/net_io.h"
#include "net/session.h"

namespace {

using Bytes = std::span<const uint8_t>;

// Keeps a list the frame loop consumes from growing without bound when nothing consumes it.
template <typename T>
void AppendBounded(std::vector<T>& list, T item, size_t limit) {
    if (list.size() >= limit) list.erase(list.begin());
    list.push_back(std::move(item));
}

void OnPresence(Session& session, const Datagram& datagram) {
    Client& client = session.client;
    uint32_t now = NetNow(session);
    tshortstring<16> address;
    address.Assign(datagram.fromAddress);
    std::optional<tserverpresence> presence = ParsePresence(datagram.bytes);
    for (tfoundserver& server : client.foundServers) {
        if (server.address == address) {
            server.lastHeard = now;
            // Only a changed row is rebuilt: a rebuild scrolls the list back to the top.
            if (server.presence != presence) client.serverListChanged = true;
            server.presence = presence;
            return;
        }
    }
    if (client.foundServers.size() >= kMaxFoundServers) return;  // no room: ignored
    client.foundServers.push_back({address, now, presence});
    client.serverListChanged = true;
}

// The match as the handlers act on it: the clock of the datagram's arrival.
Match MatchNow(Session& session) {
    Match match = MatchOf(session);
    match.now = NetNow(session);
    return match;
}

// Settings from the server; the server's address is the client's own knowledge.
void CopySettings(Client& client, const tgamesettings& settings) {
    tshortstring<15> serverAddress = client.clientSettings.serverAddress;
    client.clientSettings = settings;
    client.clientSettings.serverAddress = serverAddress;
}

void BeginLevelEnd(Session& session) {
    Client& client = session.client;
    client.clientSettings.gameOver = 1;
    session.state.levelEndTime = NetNow(session) + static_cast<uint32_t>(session.random.Below(200));
    session.state.spawnConfirmed = false;
    session.play.events.push_back(LevelEnded{});
}

// Settings carried by the periodic and join messages. Their "game over" is the server's, and the
// machines restart up to 200 ms apart: after our own restart it is stale until the host has
// restarted too; while we wait for our restart, the host's earlier restart must not cancel ours;
// and a "game over" we did not know of stands in for a lost "endlv".
void MergeServerSettings(Session& session, const tgamesettings& settings) {
    Client& client = session.client;
    bool wasOver = client.clientSettings.gameOver != 0;
    CopySettings(client, settings);
    if (wasOver) {
        // Only our own restart ends a level end, even when the host restarted first.
        client.clientSettings.gameOver = 1;
    } else if (!settings.gameOver) {
        client.awaitingServerRestart = false;
    } else if (client.awaitingServerRestart) {
        client.clientSettings.gameOver = 0;
    } else if (session.state.playState == 1) {
        BeginLevelEnd(session);
    }
}

// Leaves out the records of players this client already removed, and counts the flag carriers
// in the table that is left.
void DropDepartedRecords(const Client& client, tplayertable& table) {
    std::vector<tplayerinfo>& records = table.players;
    for (size_t i = records.size(); i-- > 0;) {
        if (std::find(client.departedIds.begin(), client.departedIds.end(), records[i].id) ==
            client.departedIds.end()) {
            continue;
        }
        records.erase(records.begin() + static_cast<std::ptrdiff_t>(i));
        ShiftFlagCarriers(table.settings, i);
    }
}

// A flag "carried" by a slot the table does not have lies where the server last placed it.
void DropFlagsOfUnknownCarriers(tgamesettings& settings, size_t players) {
    for (tteamflag* flag : {&settings.blueFlag, &settings.redFlag}) {
        if (flag->state == kFlagCarried && flag->carrier >= players) flag->state = kFlagDropped;
    }
}

// Whether a table with these settings belongs to the level this machine plays or is ending. The
// machines restart up to 200 ms apart: after our own restart a "game over" table is the old
// level's; while our level is over, a running table is the next level's, started first by the
// server. Neither may move players or announce flags here (the flags of two levels compared
// would announce captures nobody made).
bool TableOfOurLevel(const Client& client, const tgamesettings& settings) {
    if (client.awaitingServerRestart) return !settings.gameOver;
    if (client.clientSettings.gameOver) return settings.gameOver != 0;
    return true;  // in play, a "game over" is the end of our level (its "endlv" may be lost)
}

// Shots and kills are relayed only while both the server and this machine play the same level:
// one from the level that ended must not fly or kill in the next.
bool PlayingServersLevel(const Session& session) {
    return !session.client.clientSettings.gameOver && !session.client.awaitingServerRestart;
}

void OnGameInfo(Session& session, Bytes bytes) {
    Client& client = session.client;
    std::optional<tplayertable> table = ParsePlayerTable(bytes, false);
    if (!table) return;
    session.state.heardFromServer = true;
    DropFlagsOfUnknownCarriers(table->settings, table->players.size());
    DropDepartedRecords(client, *table);
    const bool ourLevel = TableOfOurLevel(client, table->settings);
    MergeServerSettings(session, table->settings);
    if (!ourLevel) return;
    Match match = MatchNow(session);
    ApplyTable(match, table->players);
    ReportFlagEvents(session, client.clientSettings.blueFlag.state,
                     client.clientSettings.redFlag.state);
}

void OnPlayerTable(Session& session, const Datagram& datagram, bool accepted) {
    Client& client = session.client;
    std::optional<tplayertable> table = ParsePlayerTable(datagram.bytes, !accepted);
    if (!table) return;
    DropFlagsOfUnknownCarriers(table->settings, table->players.size());
    DropDepartedRecords(client, *table);
    const std::vector<tplayerinfo>& records = table->players;
    if (accepted) {
        // Only the answer to our own outstanding join; a repeat would add the bots twice.
        bool listsUs = std::any_of(records.begin(), records.end(), [&](const tplayerinfo& p) {
            return p.id == client.localPlayer.id;
        });
        if (!session.state.connecting || !listsUs) return;
    }

    const size_t known = session.play.players.size();
    for (size_t i = 0; i < records.size(); ++i) {
        if (records[i].id == client.localPlayer.id) {
            session.state.localPlayerIndex = static_cast<int32_t>(i);
        }
    }
    // A join's answer starts the level; an announcement of a newcomer changes nothing but the
    // table: it is resent until acknowledged, so its settings may be of a level already over.
    std::string map = table->settings.mapName.Text();
    if (accepted) MergeServerSettings(session, table->settings);
    if (accepted && !session.state.hosting) {
        if (!map.empty() && LoadLevel(session, map)) {
            client.loadedMap = map;
        } else {
            // A level this machine cannot load is no game to enter: it leaves at once, and the
            // menus say why rather than wait for a server that did answer.
            session.state.connecting = false;
            Disconnect(session);
            return;
        }
    }
    Match match = MatchNow(session);
    SeatNewcomers(match, records);

    if (accepted) {
        session.state.connected = true;
        client.clientSettings.serverAddress.Assign(datagram.fromAddress);
        client.localPlayer.joined = 1;
        client.localPlayer.active = 1;
        EnterGame(session);
        if (session.state.hosting) AddBots(session);
    } else {
        SendDatagram(session, client.clientSettings.serverAddress.View(), kServerPort,
                     BuildAddedAck(table->messageId));
        // Each newcomer is announced once: the host resends an announcement until it is
        // acknowledged, and announcements may overtake each other.
        for (size_t i = known; i < records.size(); ++i) {
            AddMessageLine(client.messageLog, {.name = records[i].name.Text()}, NetNow(session));
        }
    }
}

void OnPlayerDeleted(Session& session, const Datagram& datagram) {
    Client& client = session.client;
    std::optional<int32_t> id = ParseSingleId(datagram.bytes);
    if (!id) return;
    int32_t d = FindPlayerSlot(session.play.players, *id);
    bool removedBefore = std::find(client.departedIds.begin(), client.departedIds.end(), *id) !=
                         client.departedIds.end();
    if (d < 0 && !removedBefore) return;
    SendDatagram(session, datagram.fromAddress, kServerPort,
                 BuildDeletedAck({*id, client.localPlayer.id}));
    if (d < 0) return;
    if (d == session.state.localPlayerIndex) {
        // The server has dropped us: the game goes on without this machine.
        session.state.connected = false;
        return;
    }
    AddMessageLine(client.messageLog,
                   {.event = MessageEvent::kLeft,
                    .name = session.play.players[static_cast<size_t>(d)].entry.name.Text()},
                   NetNow(session));
    Match match = MatchNow(session);
    UnseatPlayer(match, d);
    client.departedIds.push_back(*id);
    if (client.departedIds.size() > kRememberedDepartures) {
        client.departedIds.erase(client.departedIds.begin());
    }
}

void OnBulletStart(Session& session, Bytes bytes) {
    std::optional<tbulletstart> start = ParseBulletStart(bytes);
    if (!start || !PlayingServersLevel(session)) return;
    Match match = MatchNow(session);
    AddRemoteBullet(match, start->bulletId, start->ownerIndex, start->position, start->velocity);
}

void OnBulletFinish(Session& session, Bytes bytes) {
    Client& client = session.client;
    std::optional<tbulletfinish> finish = ParseBulletFinish(bytes);
    if (!finish || !PlayingServersLevel(session) || finish->hitKind < -1 || finish->hitKind > 1)
        return;
    // Only another machine's bullet: this machine ends its own. Its owner may name a victim this
    // machine does not know yet; the bullet ended all the same.
    std::vector<tbullet>& bullets = session.play.bullets;
    auto bullet = std::find_if(bullets.begin(), bullets.end(), [&](const tbullet& b) {
        return b.bulletId == finish->bulletId &&
               !DecidesBulletsOf(session.play.players, session.state.localPlayerIndex,
                                 session.state.hosting, b.ownerIndex);
    });
    if (bullet == bullets.end()) return;
    if (finish->hitIndex >= 0) {
        AppendBounded(client.impacts, {std::move(*bullet), finish->hitKind, finish->hitIndex},
                      kMaxImpacts);
    }
    bullets.erase(bullet);
}

void OnKill(Session& session, Bytes bytes) {
    Client& client = session.client;
    std::optional<tkillnotice> kill = ParseKill(bytes);
    if (!kill || !PlayingServersLevel(session)) return;
    const auto& players = session.play.players;
    int32_t k = FindPlayerSlot(players, kill->killerId);
    int32_t v = FindPlayerSlot(players, kill->victimId);
    if (k < 0 || v < 0) return;
    uint32_t now = NetNow(session);

    AddMessageLine(client.messageLog,
                   {.event = MessageEvent::kKilled,
                    .name = players[static_cast<size_t>(k)].entry.name.Text(),
                    .victim = players[static_cast<size_t>(v)].entry.name.Text()},
                   now);
    // The killer's death channel sounds the kill.
    session.play.events.push_back(PlayerSoundCue{k, PlayerSound::kDeath});

    // The victim's own machine lets it fall (the server, for its bots); the others see it fall
    // in its reports.
    if (kill->victimId == client.localPlayer.id) {
        Match match = MatchNow(session);
        KillPlayer(match, v, client.localPlayer);
        session.state.localDeathPending = true;
    }
}

void OnEndLevel(Session& session, Bytes bytes) {
    Client& client = session.client;
    std::optional<tgamesettings> settings = ParseEndLevel(bytes);
    // A copy of the end we already restarted from, or a repeat (the host hears one per bot):
    // the level end is already under way.
    if (!settings || client.awaitingServerRestart) return;
    bool alreadyOver = client.clientSettings.gameOver != 0;
    CopySettings(client, *settings);
    if (!alreadyOver) BeginLevelEnd(session);
}

void OnRespawnPlacement(Session& session, Bytes bytes) {
    Client& client = session.client;
    std::optional<tplayerinfo> placement = ParsePlayerRecord(bytes);
    if (!placement) return;
    // Our place in a new level. The request goes out every frame until the first answer is in,
    // so later answers may follow: they come in play, and would move us and clear the score.
    // An answer is taken only once we have started the level, and only if it names a spawn point
    // of the map we are on: an answer meant for another level would put us inside a cylinder or
    // in the air. (The server places its bots itself.)
    if (placement->id == client.localPlayer.id && !session.state.spawnConfirmed &&
        !client.clientSettings.gameOver && IsSpawnPoint(session.world.arena, placement->position)) {
        Match match = MatchNow(session);
        PlaceById(match, client.localPlayer.id, placement->position, placement->yaw);
        if (MatchPlayer* self = match.Player(session.state.localPlayerIndex))
            ProtectSpawn(*self, match.now);
        client.localPlayer.frags = placement->frags;
        client.localPlayer.deaths = placement->deaths;
        // Only our own placement ends the requests; a bot's answer may come first. The server
        // answers only once it runs this level: what it relays now is of this level.
        session.state.spawnConfirmed = true;
        client.awaitingServerRestart = false;
    }
}

}  // namespace

void UDPServClUDPRead(Session& session, const Datagram& datagram) {
    Bytes bytes = datagram.bytes;
    if (!bytes.empty() && bytes[0] == 'm' && IsPresenceBroadcast(bytes)) {
        OnPresence(session, datagram);
        return;
    }
    tmessagetag tag = ReadTag(bytes);
    // Only the server we joined speaks to us; the answer to a join is recognised by our fresh id.
    if (tag != tmessagetag::kJoinAccepted &&
        datagram.fromAddress != session.client.clientSettings.serverAddress.View()) {
        return;
    }
    if (HoldForMissingMap(session, datagram, tag)) return;
    switch (tag) {
        case tmessagetag::kGameInfo:
            OnGameInfo(session, bytes);
            break;
        case tmessagetag::kJoinAccepted:
            OnPlayerTable(session, datagram, true);
            break;
        case tmessagetag::kAdded:
            OnPlayerTable(session, datagram, false);
            break;
        case tmessagetag::kPlayerDeleted:
            OnPlayerDeleted(session, datagram);
            break;
        case tmessagetag::kServerClosed:
            session.state.connected = false;
            break;
        case tmessagetag::kBulletStart:
            OnBulletStart(session, bytes);
            break;
        case tmessagetag::kBulletFinish:
            OnBulletFinish(session, bytes);
            break;
        case tmessagetag::kKill:
            OnKill(session, bytes);
            break;
        case tmessagetag::kEndLevel:
            OnEndLevel(session, bytes);
            break;
        case tmessagetag::kRespawn:
            OnRespawnPlacement(session, bytes);
            break;
        case tmessagetag::kMapPiece:
            ReceiveMapPiece(session, datagram);
            break;
        default:
            break;
    }
}
