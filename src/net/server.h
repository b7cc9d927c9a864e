// Server: the hosted game's authority, living inside the host's process. It owns the player table
// (`serverPlayers`, in join order: an index is the same player on every machine), the game
// settings, spawn choice, the end of a level and the map rotation, the bots' table entries, and
// the two reliable deliveries ("added" resends, confirmed removals). Its handler runs once per
// datagram received on port 7050; the frame loop calls the periodic duties while hosting. The
// `hosting` flag is the Game's ProgramState; what it sent and who reported goes to its TrafficLog.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "game/bot_skill.h"
#include "game/level_score.h"
#include "game/respawn.h"
#include "net/wire_codec.h"
#include "world/arena.h"

struct Session;
struct Datagram;

struct tpendingmessage {
    int32_t id = 0;
    tshortstring<15> address;
    tdatagram datagram{};
};

// A departed player whose removal waits for every listed player to confirm it.
struct tfeedbackrec {
    int32_t departedId = 0;
    std::vector<int32_t> recipients;
};

struct Server {
    bool serverIdle = true;  // until the host starts a game, every datagram is ignored

    std::vector<tplayerinfo> serverPlayers;
    std::vector<uint32_t> lastHeard;  // one tick count per entry of serverPlayers
    tgamesettings serverSettings;
    std::array<int32_t, 2> teamCounts = {0, 0};

    std::vector<std::string> mapList;
    int32_t mapIndex = 0;
    // How well its bots play; the host's alone, never sent.
    BotSkill botSkill = BotSkill::kNormal;

    // Grows as needed; the original fixed table of 21 could be overrun by bots added to a
    // server with several humans.
    std::vector<tpendingmessage> pendingMessages;
    std::vector<tfeedbackrec> departures;
    // The level's kills as accepted here; cleared when a level starts.
    LevelScore levelScore;

    // Told each join, departure, kill and level end as it happens, in a line of text (a dedicated
    // server prints them); nothing is told when empty, as in a player's hosted game.
    std::function<void(const std::string&)> announce;
};

// " (blue)" or " (red)" in a team game, as announcements name a team; empty in deathmatch.
std::string TeamName(uint8_t gameType, uint8_t team);

inline constexpr uint32_t kJoinGraceMs = 10000;
inline constexpr size_t kMaxVisitors = 256;
inline constexpr uint32_t kSilenceLimitMs = 3000;

// The host starts the game chosen on the new-game screen (`mapList`, `mapIndex`, settings).
void StartHostedGame(Session& session);
// The server's receive handler: one call per datagram that arrived on port 7050.
void UDPServUDPRead(Session& session, const Datagram& datagram);
// Tells every other human that table entry `newcomer` joined: "added", resent every frame until
// each machine acknowledges it (a lost one would leave the newcomer unseen there).
void SendAdded(Session& session, size_t newcomer);
// Appends the host's bots to the table (called when the host's own join is accepted).
void AddBots(Session& session);
// A new level: every bot stands at the next spawn point of its team with its score cleared.
void PlaceBotsAtLevelStart(Session& session);
// Ends the level once a player or a team reached the limit (tested whenever a score changes).
void EndLevelAtScoreLimit(Session& session);

int32_t FindServerPlayer(const Server& server, int32_t id);
// Who may speak for an entry: the entry with `id` whose machine is `address` (a bot's machine is
// the host, "127.0.0.1"), -1 if none. Messages about a player are taken from its machine only.
int32_t FindPlayerAt(const Server& server, int32_t id, std::string_view address);
// Whether any entry, bots included, plays from `address`.
bool IsPlayerAddress(const Server& server, std::string_view address);
// A machine's own table lacks the departing players it has confirmed, while this table keeps them
// until everyone has: the slot that table entry `index` has on the machine of the human
// `viewerId` (-1: removed there), and the table entry of that machine's slot `slot` (-1: none). A
// machine with no human (a dedicated server's bots) sees this table as it is.
int32_t HumanIdAt(const Server& server, std::string_view address);
int32_t SlotOnMachine(const Server& server, int32_t index, int32_t viewerId);
int32_t EntryOfSlot(const Server& server, int32_t slot, int32_t viewerId);
// The entry of a human in the game at `address` that stopped reporting (or never did), -1 if
// none: a join from there is that player joining again. The host's own entry (`hostPlayerId`)
// and a player still reporting are never taken over.
int32_t FindRejoiningEntry(const Server& server, std::string_view address, uint32_t now,
                           int32_t hostPlayerId);
// Player `playerId`'s place in the level: a point of its side away from the enemies placed in
// the level so far and from those `around` (game/respawn.h), the same point when it asks again;
// null when the level has none.
const tspawnpoint* ChooseSpawnPoint(Session& session, int32_t playerId, uint8_t team,
                                    SpawnSurroundings around = {});

void QueueDeparture(Session& session, int32_t index);
// A player's "pldel": `senderId` has removed `departedId`; the last confirmation removes it here.
void ConfirmRemoval(Session& session, int32_t departedId, int32_t senderId);
// A player that joined again under `newId` owes the confirmations it owed as `oldId`.
void HandOverConfirmations(Server& server, int32_t oldId, int32_t newId);
void SendPlayerDeleted(Session& session, int32_t departedId, int32_t recipientId);
// "my_ip" with the record of the hosted game (net/presence.h), to every client port on the LAN.
void BroadcastPresence(Session& session);
void CloseServer(Session& session);
// The host leaves its own game: the other players are told, and the server stops listening, so
// nobody joins a game without a host and a later join elsewhere is not mistaken for hosting.
void StopHosting(Session& session);

// Every frame while hosting: removal notices, then resends of unacknowledged "added".
void RunServerFrameDuties(Session& session);
// Every 2000 ms while hosting and playing: the silent-player and departure checks.
void RunServerTimeoutCheck(Session& session);
