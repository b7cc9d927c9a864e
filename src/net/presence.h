// Presence: what a hosted game tells the LAN every two seconds. The datagram starts with the five
// bytes "my_ip" that every receiver has always compared (and compares no further), so a receiver
// that knows nothing of the record still sees a plain presence; the record after them says what
// the game is. Built by the server's BroadcastPresence, read by the client's presence handler for
// the join screen's list.
//
// Bytes after "my_ip" (version 1, 45 bytes in all):
//   5      record version (1)
//   6..22  server name: length byte (0..16), 16 characters
//   23..39 map name: length byte (0..16), 16 characters
//   40     game type (0 DeathMatch, 1 CTF, 2 TDM)
//   41     players in the table (bots not counted)
//   42     bots in the table
//   43     the table's size limit
//   44     1 when the server would accept a join, 0 when the game is full
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "net/wire_records.h"

struct Server;

inline constexpr uint8_t kPresenceVersion = 1;
inline constexpr size_t kPresenceSize = 45;

struct tserverpresence {
    tshortstring<16> gameName;
    tshortstring<16> mapName;
    uint8_t gameType = kDeathMatch;
    uint8_t players = 0;
    uint8_t bots = 0;
    uint8_t limit = 0;
    bool open = true;  // a join would be accepted

    bool operator==(const tserverpresence&) const = default;
};

// The hosted game as its server's table and settings show it.
tserverpresence DescribeHostedGame(const Server& server);
// "my_ip" and the record.
std::vector<uint8_t> BuildPresence(const tserverpresence& presence);
// The record of a presence datagram ("my_ip" included); nothing when the datagram is a bare
// "my_ip", or its tail is short, long, of another version, or holds what no server sends.
std::optional<tserverpresence> ParsePresence(std::span<const uint8_t> datagram);
