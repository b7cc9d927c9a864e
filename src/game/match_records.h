// The match's records: the player table entry, the game settings and the team flag. They lie in
// memory exactly as in every datagram (little-endian, no padding beyond the fields listed), so the
// network's codecs (net/wire_codec.h) read and write them field by field; nothing memcpy's a
// datagram here.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "world/vec_math.h"

// A length byte followed by up to Capacity characters; bytes past the length are ignored.
template <size_t Capacity>
struct tshortstring {
    uint8_t length = 0;
    char chars[Capacity] = {};

    static constexpr size_t capacity = Capacity;

    // Keeps the first Capacity characters of `text`.
    void Assign(std::string_view text) {
        length = static_cast<uint8_t>(text.size() < Capacity ? text.size() : Capacity);
        for (size_t i = 0; i < Capacity; ++i) chars[i] = i < length ? text[i] : '\0';
    }
    // The stored text; a length byte over the capacity (only from memory corruption, the codecs
    // refuse it) is clamped rather than read past the field.
    std::string_view View() const {
        return std::string_view(chars, length <= Capacity ? length : Capacity);
    }
    std::string Text() const { return std::string(View()); }
    bool operator==(const tshortstring& other) const { return View() == other.View(); }
};

static_assert(sizeof(tvec3) == 12, "a vector travels as three reals");

struct tplayerinfo {
    tshortstring<16> name;
    uint8_t padding0[3] = {};
    int32_t id = 0;
    tshortstring<15> address;
    uint8_t joined = 0;
    uint8_t active = 0;
    uint8_t padding1[2] = {};
    tvec3 position;
    float aimPitch = 0;
    float yaw = 0;
    int8_t animation = 0;
    uint8_t padding2[3] = {};
    float animationPace = 0;
    int8_t deaths = 0;
    int8_t frags = 0;
    uint8_t dead = 0;
    uint8_t team = 0;
    uint8_t isBot = 0;
    uint8_t padding3[3] = {};
};

static_assert(sizeof(tplayerinfo) == 80);
static_assert(offsetof(tplayerinfo, name) == 0);
static_assert(offsetof(tplayerinfo, id) == 20);
static_assert(offsetof(tplayerinfo, address) == 24);
static_assert(offsetof(tplayerinfo, joined) == 40);
static_assert(offsetof(tplayerinfo, active) == 41);
static_assert(offsetof(tplayerinfo, position) == 44);
static_assert(offsetof(tplayerinfo, aimPitch) == 56);
static_assert(offsetof(tplayerinfo, yaw) == 60);
static_assert(offsetof(tplayerinfo, animation) == 64);
static_assert(offsetof(tplayerinfo, animationPace) == 68);
static_assert(offsetof(tplayerinfo, deaths) == 72);
static_assert(offsetof(tplayerinfo, frags) == 73);
static_assert(offsetof(tplayerinfo, dead) == 74);
static_assert(offsetof(tplayerinfo, team) == 75);
static_assert(offsetof(tplayerinfo, isBot) == 76);

// A player's frags and deaths are signed bytes: they stop at 127 instead of wrapping to -128.
inline constexpr int8_t kMostFrags = 127;
inline void CountOneMore(int8_t& fragsOrDeaths) {
    if (fragsOrDeaths < kMostFrags) ++fragsOrDeaths;
}

enum tflagstate : uint8_t { kFlagAtBase = 0, kFlagCarried = 1, kFlagDropped = 2 };

struct tteamflag {
    tvec3 position;
    uint8_t carrier = 0;
    uint8_t state = kFlagAtBase;
    uint8_t score = 0;
    uint8_t padding = 0;
};

static_assert(sizeof(tteamflag) == 16);
static_assert(offsetof(tteamflag, position) == 0);
static_assert(offsetof(tteamflag, carrier) == 12);
static_assert(offsetof(tteamflag, state) == 13);
static_assert(offsetof(tteamflag, score) == 14);

enum tgametype : uint8_t { kDeathMatch = 0, kCaptureTheFlag = 1, kTeamDeathMatch = 2 };

struct tgamesettings {
    tshortstring<16> gameName;
    tshortstring<15> serverAddress;
    uint8_t running = 0;
    tshortstring<16> mapName;
    uint8_t fragLimit = 0;
    uint8_t botCount = 0;
    uint8_t gameType = kDeathMatch;
    uint8_t gameOver = 0;
    uint8_t padding = 0;
    tteamflag blueFlag;
    tteamflag redFlag;
};

static_assert(sizeof(tgamesettings) == 88);
static_assert(offsetof(tgamesettings, gameName) == 0);
static_assert(offsetof(tgamesettings, serverAddress) == 17);
static_assert(offsetof(tgamesettings, running) == 33);
static_assert(offsetof(tgamesettings, mapName) == 34);
static_assert(offsetof(tgamesettings, fragLimit) == 51);
static_assert(offsetof(tgamesettings, botCount) == 52);
static_assert(offsetof(tgamesettings, gameType) == 53);
static_assert(offsetof(tgamesettings, gameOver) == 54);
static_assert(offsetof(tgamesettings, blueFlag) == 56);
static_assert(offsetof(tgamesettings, redFlag) == 72);

inline constexpr size_t kDatagramSize = 1024;
// The server's table never holds more (host + 8 bots), and no record count may claim more.
inline constexpr int32_t kMaxPlayers = 9;
// A join is refused once the table holds this many entries.
inline constexpr int32_t kJoinLimit = 8;
inline constexpr int32_t kBotLimit = 8;
// Ids are drawn from 0..31999 by their owner.
inline constexpr int32_t kIdRange = 32000;
