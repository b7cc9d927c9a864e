// Short soaks on the in-memory bus: a full game played through heavy loss, duplication,
// reordering and delay, with and without hostile senders. The long soak is bench/net_soak.
#include <gtest/gtest.h>

#include "game/bullets.h"
#include "support/soak_match.h"

namespace {

// What every soak must show, hostile or not.
void ExpectSoundMatch(SoakMatch& match, const SoakFigures& figures, const SoakOptions& options) {
    EXPECT_EQ(figures.levelChanges, options.levelChanges);
    EXPECT_EQ(figures.rejoins, 0) << "nobody lost the game";
    EXPECT_GE(figures.convergenceMs, 0) << "the tables never agreed after the faults stopped";
    EXPECT_LE(figures.convergenceMs, 1000);
    EXPECT_TRUE(match.HostHoldsExactlyTheRealPlayers());
    EXPECT_EQ(figures.bulletsLeft, 0u) << "every bullet ends, its end report lost or not";
    EXPECT_TRUE(match.host->server().departures.empty());
    EXPECT_TRUE(match.host->server().pendingMessages.empty());
    // The tables stay within their caps all along.
    EXPECT_LE(figures.maxServerPlayers, static_cast<size_t>(kMaxPlayers));
    EXPECT_LE(figures.maxClientPlayers, static_cast<size_t>(kMaxPlayers));
    EXPECT_LE(figures.maxVisitors, kMaxVisitors);
    EXPECT_LE(figures.maxPendingMessages, static_cast<size_t>(options.bots) * 3);
    EXPECT_LE(figures.maxRemoteBullets, kMaxRemoteBullets);
    EXPECT_LE(figures.maxImpacts, kMaxImpacts);
    EXPECT_GT(figures.lost, figures.datagrams / 5);
    EXPECT_GT(figures.kills, 0);
}

}  // namespace

TEST(Soak, FourMachinesAndFourBotsPlayThroughTwoLevelChangesUnderHeavyFaults) {
    SoakOptions options{.minutes = 3};
    SoakMatch match(options);
    SoakFigures figures = match.Run();
    ExpectSoundMatch(match, figures, options);
    EXPECT_EQ(figures.maxServerPlayers, 8u);
    // The spared player is never anybody's target; every other joiner died now and then.
    EXPECT_EQ(match.spared->client().localPlayer.deaths, 0);
}

// A joined player that reports, leaves, kills, respawns and confirms in other players' names,
// and a machine that never joined doing the same, flooding joins under made-up ids and posing as
// the server towards the joiners: the real players play on undisturbed.
TEST(Soak, HostileSendersChangeNothingForTheRealPlayers) {
    SoakOptions options{.minutes = 2, .joiners = 2, .hostileJoiner = true, .stranger = true};
    SoakMatch match(options);
    SoakFigures figures = match.Run();
    ExpectSoundMatch(match, figures, options);
    EXPECT_GT(figures.hostileDatagrams, 10000u);
    // Forged kills all aimed at the spared player.
    EXPECT_EQ(match.spared->client().localPlayer.deaths, 0);
    // The flood got at most the one free place, and gave it back once it stopped.
    EXPECT_EQ(figures.maxServerPlayers, 8u);
}

// Level changes at their fastest (frag limit 1, two maps) while players leave and join inside
// each other's departure confirmations: once the faults stop, every table equals the server's,
// and every placement after a level change was on the level the server plays, whichever of the
// host and a joiner restarted first.
TEST(Soak, FastLevelChangesWithJoinsAndDeparturesInsideConfirmations) {
    SoakOptions options{.minutes = 2,
                        .levelChanges = 8,
                        .bots = 3,
                        .fragLimit = 1,
                        .maps = {"arena1.map", "arena2.map"},
                        .churnEveryMs = 7000};
    SoakMatch match(options);
    SoakFigures figures = match.Run();
    ExpectSoundMatch(match, figures, options);
    EXPECT_GT(figures.churns, 10);
    EXPECT_GT(figures.placements, options.levelChanges * 2);
    EXPECT_EQ(figures.placementsOffMap, 0);
    EXPECT_GT(figures.joinerRestartedFirst, 0);
    EXPECT_GT(figures.hostRestartedFirst, 0);
}
