// Map messages: a joining or playing machine fetches a map file it lacks from the server, piece
// by piece. "mapgt" (client to server) names the map and the offset of the piece it wants;
// "mapdt" (server to client) carries the map's name, its whole size, the piece's offset and
// length and its bytes. Both are ordinary 1024-byte tagged datagrams, so a build that does not
// know the tags drops them. Used by net/map_transfer and the fuzz targets.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "net/wire_codec.h"

// Far above any hand-made arena (the shipped ones are about 2 KB) and small enough to fetch in a
// second or two on a LAN.
inline constexpr int32_t kMaxTransferredMapBytes = 256 * 1024;
// Bytes of a map in one "mapdt"; every piece but the last is this long.
inline constexpr int32_t kMapPieceBytes = 960;

struct tmaprequest {
    tshortstring<16> name;
    int32_t offset = 0;
};

struct tmappiece {
    tshortstring<16> name;
    int32_t size = 0;  // of the whole file; 0 when the server has no such map to give
    int32_t offset = 0;
    std::vector<uint8_t> bytes;  // at most kMapPieceBytes
};

// A name a machine may ask for and keep: a bare file name ending in ".map" (any letter case), no
// control characters and no "..", short enough for the game settings' map field.
bool IsTransferableMapName(std::string_view name);

tdatagram BuildMapRequest(const tmaprequest& request);
tdatagram BuildMapPiece(const tmappiece& piece);
// nullopt for a short datagram, a name that is not transferable, or a piece longer than
// kMapPieceBytes; offsets and sizes are the receiver's to check against what it asked.
std::optional<tmaprequest> ParseMapRequest(std::span<const uint8_t> datagram);
std::optional<tmappiece> ParseMapPiece(std::span<const uint8_t> datagram);
