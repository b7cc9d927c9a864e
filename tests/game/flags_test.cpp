// Capture the flag on the host: every way a flag changes hands, and what scores.
#include "game/flags.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "app/game.h"
#include "net/session.h"

namespace {

constexpr tvec3 kBlueHome{-20, 0, 0};
constexpr tvec3 kRedHome{20, 0, 0};

class Flags : public ::testing::Test {
  protected:
    void SetUp() override {
        game.world.arena.blueFlagHome = kBlueHome;
        game.world.arena.redFlagHome = kRedHome;
        settings().blueFlag.position = kBlueHome;
        settings().redFlag.position = kRedHome;
        // 0, 1: blue; 2, 3: red; all far from both flags.
        for (uint8_t team : {0, 0, 1, 1}) {
            tplayerinfo player;
            player.id = 10 + static_cast<int32_t>(game.server.serverPlayers.size());
            player.team = team;
            player.position = {0, 0, 50};
            game.server.serverPlayers.push_back(player);
        }
    }
    tgamesettings& settings() { return game.server.serverSettings; }
    tplayerinfo& player(size_t i) { return game.server.serverPlayers[i]; }
    void MoveTo(size_t i, tvec3 at) {
        player(i).position = at;
        Step();
    }
    // One frame of the rules; what they report stays in the event list.
    void Step() {
        Match match = MatchOf(game);
        RunFlagRules(match);
    }
    std::vector<std::tuple<uint8_t, FlagChange, int32_t>> Changes() {
        std::vector<std::tuple<uint8_t, FlagChange, int32_t>> changes;
        for (const MatchEvent& event : game.play.events) {
            if (const auto* flag = std::get_if<FlagChanged>(&event))
                changes.emplace_back(flag->owners, flag->change, flag->playerId);
        }
        return changes;
    }

    Game game;
};

TEST_F(Flags, AnEnemyNearAFlagAtHomeTakesIt) {
    player(3).dead = true;
    MoveTo(3, kBlueHome);  // the dead take nothing
    EXPECT_EQ(settings().blueFlag.state, kFlagAtBase);
    MoveTo(0, kBlueHome);  // nor does its own team
    EXPECT_EQ(settings().blueFlag.state, kFlagAtBase);

    MoveTo(2, kBlueHome + tvec3{0, 0, 2.5f});  // the blue flag is reached from 2.5 along z
    EXPECT_EQ(settings().blueFlag.state, kFlagCarried);
    EXPECT_EQ(settings().blueFlag.carrier, 2);

    MoveTo(1, kRedHome + tvec3{0, 0, 2.5f});  // the red flag is not
    EXPECT_EQ(settings().redFlag.state, kFlagAtBase);
    MoveTo(1, kRedHome + tvec3{1.5f, 2.5f, 1.5f});
    EXPECT_EQ(settings().redFlag.state, kFlagCarried);
    EXPECT_EQ(settings().redFlag.carrier, 1);
}

TEST_F(Flags, ACarriedFlagFollowsItsCarrierAndDropsWhereItDies) {
    MoveTo(2, kBlueHome);
    const tvec3 field{0, 0, 30};
    MoveTo(2, field);
    EXPECT_EQ(settings().blueFlag.position, field);  // no model here: on the carrier itself
    player(2).dead = true;
    Step();
    EXPECT_EQ(settings().blueFlag.state, kFlagDropped);
    MoveTo(2, kRedHome);  // the body's report moves on; the flag stays where it fell
    EXPECT_EQ(settings().blueFlag.position, field);
}

TEST_F(Flags, ADroppedFlagIsPickedUpByAnEnemyOrReturnedByItsTeam) {
    const tvec3 field{0, 0, 30};
    MoveTo(2, kBlueHome);
    MoveTo(2, field);
    player(2).dead = true;
    Step();
    ASSERT_EQ(settings().blueFlag.state, kFlagDropped);

    // The dead carrier lies next to it and cannot take it back; a living team mate can.
    MoveTo(3, field + tvec3{1, 0, 1});
    EXPECT_EQ(settings().blueFlag.state, kFlagCarried);
    EXPECT_EQ(settings().blueFlag.carrier, 3);
    player(3).dead = true;
    MoveTo(3, field);
    ASSERT_EQ(settings().blueFlag.state, kFlagDropped);

    // A fallen defender lying next to its flag returns it home.
    player(0).dead = true;
    MoveTo(0, field + tvec3{0, 0, -1.5f});
    EXPECT_EQ(settings().blueFlag.state, kFlagAtBase);
    EXPECT_EQ(settings().blueFlag.position, kBlueHome);
    EXPECT_EQ(settings().redFlag.score, 0);
}

TEST_F(Flags, ACaptureNeedsTheCapturingTeamsOwnFlagAtHome) {
    MoveTo(2, kBlueHome);  // red takes the blue flag
    MoveTo(0, kRedHome);   // blue takes the red flag
    ASSERT_EQ(settings().redFlag.state, kFlagCarried);

    MoveTo(2, kRedHome);  // the red flag is away: no capture
    EXPECT_EQ(settings().redFlag.score, 0);
    EXPECT_EQ(settings().blueFlag.state, kFlagCarried);

    player(0).dead = true;  // the blue carrier falls far from the red base...
    MoveTo(0, {0, 0, -40});
    ASSERT_EQ(settings().redFlag.state, kFlagDropped);
    MoveTo(3, {0, 0, -40});  // ...and red returns its flag home
    ASSERT_EQ(settings().redFlag.state, kFlagAtBase);

    Step();  // the red carrier still waits at its base: now it scores
    EXPECT_EQ(settings().redFlag.score, 1);
    EXPECT_EQ(settings().blueFlag.score, 0);
    EXPECT_EQ(settings().blueFlag.state, kFlagAtBase);
    EXPECT_EQ(settings().blueFlag.position, kBlueHome);
    using enum FlagChange;
    EXPECT_EQ(Changes(),
              (std::vector<std::tuple<uint8_t, FlagChange, int32_t>>{{0, kTaken, 12},
                                                                     {1, kTaken, 10},
                                                                     {1, kDropped, 10},
                                                                     {1, kReturned, 13},
                                                                     {0, kCaptured, 12}}));
}

TEST_F(Flags, ACarrierReportedDeadAsItReachesItsFlagStillScores) {
    MoveTo(2, kBlueHome);
    player(2).dead = true;  // its report shows it at its base and dead in the same frame
    MoveTo(2, kRedHome);
    EXPECT_EQ(settings().redFlag.score, 1);
    EXPECT_EQ(settings().blueFlag.state, kFlagAtBase);
    EXPECT_EQ(settings().blueFlag.position, kBlueHome);
}

TEST_F(Flags, AFlagCarriedByNobodyInTheTableLiesWhereItWasCarried) {
    MoveTo(3, kBlueHome);
    MoveTo(3, {0, 0, 10});
    game.server.serverPlayers.pop_back();
    Step();
    EXPECT_EQ(settings().blueFlag.state, kFlagDropped);
    EXPECT_EQ(settings().blueFlag.position, (tvec3{0, 0, 10}));
}

}  // namespace
