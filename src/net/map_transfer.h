// Map transfer: a machine that joins or plays a game on a map it lacks fetches the file from the
// server before the level starts on it. The client side holds the join's answer (or a newcomer's
// announcement) until the file is in, asks again for every piece not received, and keeps the
// file through the store the program installs; a transfer that fails ends the game for this
// machine with the map's name for the menus. The server side answers pieces of maps of its own
// rotation, to machines in its table only. Called by both receive handlers and the frame loop.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "net/messages.h"
#include "net/network.h"

struct Session;

// A map file as the server has it; `bytes` only when it is small enough to send.
struct tservedmap {
    bool found = false;
    uint64_t size = 0;
    std::vector<uint8_t> bytes;
};

// Where maps are found and kept; installed by the program (app/map_store.h), absent in a test
// that does not need it (nothing is then fetched or served).
struct MapStore {
    // Whether a shipped, own or earlier received map of that name is at hand.
    std::function<bool(const std::string& name)> has;
    // Keeps a received map; the reason it was refused, empty when kept.
    std::function<std::string(const std::string& name, std::span<const uint8_t> bytes)> keep;
    // The file of a map this server plays.
    std::function<tservedmap(const std::string& name)> read;
};

struct tmapfailure {
    std::string map;
    std::string reason;
};

struct tmapdownload {
    std::string name;
    std::string server;
    int32_t size = -1;  // unknown until the first piece
    std::vector<uint8_t> bytes;
    std::vector<bool> received;
    std::vector<uint32_t> askedAt;
    std::vector<bool> asked;
    size_t receivedCount = 0;
    uint32_t firstAskedAt = 0;
    bool firstAsked = false;
    uint32_t lastHeard = 0;  // the start, then the last new piece
    // The server's messages that need the map: replayed in order once it is kept.
    std::vector<Datagram> held;
};

struct MapTransfer {
    MapStore store;
    std::optional<tmapdownload> download;
    // Why the last transfer failed; the menus tell the player and take it.
    std::optional<tmapfailure> failure;
    // The next map a level change named, once looked for.
    std::string checkedMap;
    // The server's copy of the map it served last, read once rather than per piece, and again
    // after a while (the host may have edited it since).
    std::string servedName;
    uint32_t servedAt = 0;
    tservedmap served;
};

// A server that sent no new piece in 3 s counts as a server that does not have it to give.
inline constexpr uint32_t kMapSilenceMs = 3000;
// A piece not in after this long is asked for again.
inline constexpr uint32_t kMapAskAgainMs = 150;
inline constexpr size_t kMapPiecesInFlight = 32;
inline constexpr size_t kMaxHeldDatagrams = 16;
inline constexpr uint32_t kServedCopyMs = 10000;

// The client's receive handler, before a join's answer ("addpl") or an announcement ("added") is
// applied: true when it names a map not at hand, which is then fetched and the datagram kept.
bool HoldForMissingMap(Session& session, const Datagram& datagram, tmessagetag tag);
// The client's receive handler for "mapdt".
void ReceiveMapPiece(Session& session, const Datagram& datagram);
// The server's receive handler for "mapgt".
void ServeMapPiece(Session& session, const Datagram& datagram);
// Every frame: starts a fetch for the next map a level change named, asks for missing pieces,
// gives up on a silent server.
void StepMapTransfer(Session& session);
// A fetch is under way: the level restart waits for it.
bool AwaitingMap(const Session& session);
// The failure not yet told, taken.
std::optional<tmapfailure> TakeMapFailure(Session& session);
