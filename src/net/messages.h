// Messages: the catalogue of datagrams between clients (port 7051) and the server (port 7050).
// One builder per message returns the whole zero-filled 1024-byte datagram; one parser per
// payload reads a received datagram (tag included) and returns nothing when the datagram is short,
// malformed or claims more than it can hold, so a handler either gets every field or drops it all.
// Used by the server and client handlers, the benchmarks and the fuzz targets.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "net/wire_codec.h"

enum class tmessagetag {
    kUnknown,
    kConnect,        // "cnnct"
    kGameInfo,       // "ginfo" (a report to the server, or the table back)
    kDisconnect,     // "discn"
    kBulletStart,    // "bulst"
    kBulletFinish,   // "bulfn"
    kKill,           // "illim"
    kRespawn,        // "respl" (a request to the server, or the placement back)
    kAddedAck,       // "adchk"
    kDeletedAck,     // "pldel"
    kJoinAccepted,   // "addpl"
    kAdded,          // "added"
    kEndLevel,       // "endlv"
    kPlayerDeleted,  // "delpl"
    kServerClosed,   // "srvcl"
    kMapRequest,     // "mapgt": a piece of a map file, asked of the server (net/map_messages.h)
    kMapPiece,       // "mapdt": the piece back
};

// The tag of a datagram: its first six bytes compared whole against the catalogue.
tmessagetag ReadTag(std::span<const uint8_t> datagram);
// The five bytes "my_ip" with no tag: a server announcing itself.
bool IsPresenceBroadcast(std::span<const uint8_t> datagram);
inline constexpr std::array<uint8_t, 5> kPresenceBroadcast = {'m', 'y', '_', 'i', 'p'};

struct tbulletstart {
    int32_t bulletId = 0;
    int32_t ownerIndex = 0;
    tvec3 position;
    tvec3 velocity;
};

struct tbulletfinish {
    int32_t bulletId = 0;
    int32_t hitKind = 0;  // -1 nothing (flew out), 0 cylinder, 1 player
    int32_t hitIndex = 0;
};

struct tkillnotice {
    int32_t killerId = 0;
    int32_t victimId = 0;
};

struct tclientgameinfo {
    int32_t senderId = 0;
    tplayerinfo player;
};

struct tplayerdeletedack {
    int32_t departedId = 0;
    int32_t senderId = 0;
};

// The body of "ginfo" replies, "addpl" and "added": the table in order and the settings.
struct tplayertable {
    std::vector<tplayerinfo> players;
    tgamesettings settings;
    int32_t messageId = 0;  // "added" only
};

// Client to server.
tdatagram BuildConnect(const tplayerinfo& joining);
tdatagram BuildClientGameInfo(int32_t senderId, const tplayerinfo& state);
tdatagram BuildDisconnect(int32_t senderId);
tdatagram BuildBulletStart(const tbulletstart& bullet);
// A received "bulst" with its owner's slot replaced, every other byte kept (a tail included).
void RewriteBulletOwner(tdatagram& bulletStart, int32_t ownerIndex);
tdatagram BuildBulletFinish(const tbulletfinish& finish);
tdatagram BuildKill(const tkillnotice& kill);
tdatagram BuildRespawnRequest(int32_t playerId);
tdatagram BuildAddedAck(int32_t messageId);
tdatagram BuildDeletedAck(const tplayerdeletedack& ack);

// Server to client.
tdatagram BuildServerGameInfo(std::span<const tplayerinfo> players, const tgamesettings& settings);
tdatagram BuildJoinAccepted(std::span<const tplayerinfo> players, const tgamesettings& settings);
tdatagram BuildAdded(std::span<const tplayerinfo> players, const tgamesettings& settings,
                     int32_t messageId);
tdatagram BuildEndLevel(const tgamesettings& settings);
tdatagram BuildRespawnPlacement(const tplayerinfo& placement);
tdatagram BuildPlayerDeleted(int32_t departedId);
tdatagram BuildServerClosed();

// Parsers; each expects the datagram to carry the matching tag (the caller dispatched on it).
std::optional<tplayerinfo> ParsePlayerRecord(std::span<const uint8_t> datagram);  // cnnct, respl
std::optional<tclientgameinfo> ParseClientGameInfo(std::span<const uint8_t> datagram);
std::optional<int32_t> ParseSingleId(std::span<const uint8_t> datagram);  // discn respl adchk delpl
std::optional<tbulletstart> ParseBulletStart(std::span<const uint8_t> datagram);
std::optional<tbulletfinish> ParseBulletFinish(std::span<const uint8_t> datagram);
std::optional<tkillnotice> ParseKill(std::span<const uint8_t> datagram);
std::optional<tplayerdeletedack> ParseDeletedAck(std::span<const uint8_t> datagram);
// "ginfo" replies and "addpl"; with `withMessageId` the trailing id of "added".
std::optional<tplayertable> ParsePlayerTable(std::span<const uint8_t> datagram, bool withMessageId);
std::optional<tgamesettings> ParseEndLevel(std::span<const uint8_t> datagram);
