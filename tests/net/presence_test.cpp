// The record a hosted game appends to "my_ip": what a receiver of today reads from it, what a
// receiver that compares only the five letters still sees, and what a damaged tail leaves.
#include "net/presence.h"

#include <gtest/gtest.h>

#include <cstring>

#include "net/messages.h"

namespace {

using Bytes = std::vector<uint8_t>;

tserverpresence Game(const char* name, uint8_t players, uint8_t bots, bool open) {
    tserverpresence game;
    game.gameName.Assign(name);
    game.mapName.Assign("bot_range.map");
    game.gameType = kCaptureTheFlag;
    game.players = players;
    game.bots = bots;
    game.limit = 9;
    game.open = open;
    return game;
}

Bytes Changed(size_t offset, uint8_t value) {
    Bytes bytes = BuildPresence(Game("Friday CTF", 2, 3, true));
    bytes[offset] = value;
    return bytes;
}

}  // namespace

TEST(Presence, ARecordIsReadWholeOrNotAtAllAndOldReceiversSeeAPresence) {
    const Bytes good = BuildPresence(Game("Friday CTF", 2, 3, true));
    // A receiver that compares only the five letters still sees a presence.
    EXPECT_TRUE(good.size() > 5 && std::memcmp(good.data(), "my_ip", 5) == 0);
    Bytes padded(1024, 0);
    std::copy(good.begin(), good.end(), padded.begin());
    const std::tuple<const char*, Bytes, std::optional<tserverpresence>> cases[] = {
        {"round trip", good, Game("Friday CTF", 2, 3, true)},
        {"a full game", BuildPresence(Game("", 1, 7, false)), Game("", 1, 7, false)},
        {"bare my_ip", Bytes(kPresenceBroadcast.begin(), kPresenceBroadcast.end()), {}},
        {"short", Bytes(good.begin(), good.end() - 1), {}},
        {"padded to 1024", padded, {}},
        {"another version", Changed(5, 2), {}},
        {"map length over 16", Changed(23, 200), {}},
        {"control character in the name", Changed(7, '\n'), {}},
        {"map in a folder", Changed(24, '/'), {}},
        {"unknown game type", Changed(40, 3), {}},
        {"more in the table than its limit", Changed(42, 8), {}},
        {"open flag neither 0 nor 1", Changed(44, 2), {}},
    };
    for (const auto& [what, datagram, read] : cases)
        EXPECT_EQ(ParsePresence(datagram), read) << what;
}
