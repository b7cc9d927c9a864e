// Hosted games of bots on the shipped maps, played headless with a manual clock: the bots find
// targets, walk, fire at enemies only and score; none ever stands outside the grid or at a
// position that is not a number; the frag limit ends the level and the rotation moves on.
// (bench/bots.cpp plays the same matches for five minutes and reports frags per minute.)
#include "support/bot_match.h"

#include <gtest/gtest.h>

#include "support/shipped_content.h"

namespace {

constexpr uint32_t kPlayedMs = 40000;

// With the shipped tuning bots turn to and walk at players within 60 units and fire within 15,
// so how much happens depends on the map; what never happens on any map is a bot off the grid,
// at a position that is not a number, or firing at anyone but an enemy.
void ExpectAFairGame(const BotMatchTally& tally, const std::string& what) {
    EXPECT_EQ(tally.badPositions, 0) << what;
    EXPECT_EQ(tally.shotsAtNoEnemy, 0) << what;
}

void ExpectALivelyGame(const BotMatchTally& tally, const std::string& what) {
    EXPECT_GT(tally.shots, 0) << what;
    EXPECT_GT(tally.frags, 0) << what;
    EXPECT_GT(tally.walked, 1.0f) << what;
}

TEST(BotMatch, EightBotsPlayDeathMatchOnEveryShippedMap) {
    const std::vector<std::filesystem::path> maps = ShippedMaps();
    ASSERT_GE(maps.size(), 2u);
    for (const std::filesystem::path& file : maps) {
        const std::string map = file.filename().string();
        BotMatch match({.maps = {map}});
        match.Play(kPlayedMs);
        ExpectAFairGame(match.tally(), map);
        if (map == "arena.map" || map == "ctf.map") ExpectALivelyGame(match.tally(), map);
    }
}

TEST(BotMatch, TeamGamesOnTheTeamMapShootOnlyAtTheOtherTeam) {
    for (uint8_t type : {kTeamDeathMatch, kCaptureTheFlag}) {
        BotMatch match({.maps = {"ctf.map"}, .gameType = type});
        match.Play(kPlayedMs);
        ExpectAFairGame(match.tally(), type == kTeamDeathMatch ? "TDM" : "CTF");
    }
}

TEST(BotMatch, ABotAtTheFragLimitEndsTheLevelAndTheNextMapStarts) {
    BotMatch match({.maps = {"arena.map", "quarry.map"}, .fragLimit = 1});
    for (int second = 0; second < 300 && match.tally().maps.size() < 2; ++second) {
        match.Play(1000);
    }
    ASSERT_EQ(match.tally().maps.size(), 2u);
    EXPECT_EQ(match.tally().maps[1], "quarry.map");
    EXPECT_GE(match.tally().frags, 1);
    // The new level starts from nothing: every bot's score was reset.
    match.Play(100);
    for (const tplayerinfo& player : match.host().server.serverPlayers) {
        if (player.isBot) {
            EXPECT_EQ(player.frags, 0);
        }
    }
}

}  // namespace
