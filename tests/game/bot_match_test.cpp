// Hosted games of bots on the shipped maps, played headless with a manual clock while the host's
// player stands still: on every map in every game type it supports the bots find each other, walk,
// fire at enemies only, score and hardly ever stand idle; none ever stands outside the grid or at a
// position that is not a number; the frag limit ends the level and the rotation moves on.
// (bench/bots.cpp plays the same matches for ten minutes and reports the figures.)
#include "support/bot_match.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kPlayedMs = 40000;
// A bot is idle after 10 s without moving a unit or firing: one bot of eight frozen for the whole
// match would be idle for 30 s of its 40, and exceed this.
constexpr float kIdleShareBound = 0.05f;

TEST(BotMatch, EightBotsPlayEveryShippedMapInEveryGameTypeItSupports) {
    const std::vector<BotMatchOptions> games = EveryShippedGame();
    ASSERT_GE(games.size(), 4u);
    for (const BotMatchOptions& game : games) {
        BotMatch match(game);
        match.Play(kPlayedMs);
        const BotMatchTally& tally = match.tally();
        const std::string what = GameName(game);
        EXPECT_EQ(tally.badPositions, 0) << what;
        EXPECT_EQ(tally.shotsAtNoEnemy, 0) << what;
        EXPECT_GT(tally.shots, 0) << what;
        EXPECT_GT(tally.frags, 0) << what;
        EXPECT_LE(tally.IdleShare(), kIdleShareBound) << what;
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
