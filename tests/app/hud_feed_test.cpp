// The HUD sees the match as the client knows it: the local player's counters, the settings
// copy, the keys held and the lines on screen.
#include "app/hud_feed.h"

#include <gtest/gtest.h>

#include "app/game.h"

namespace {

TEST(HudFeed, ShowsTheLocalPlayerTheMatchAndTheHeldKeys) {
    Game game;
    game.client.localPlayer.frags = 3;
    game.client.localPlayer.deaths = 2;
    game.client.localPlayer.team = 1;
    game.client.clientSettings.gameType = kCaptureTheFlag;
    game.client.clientSettings.blueFlag.state = kFlagDropped;
    game.client.clientSettings.blueFlag.score = 2;
    game.client.clientSettings.redFlag.state = kFlagCarried;
    game.client.clientSettings.redFlag.score = 1;
    game.play.players.resize(4);
    game.menus.language = Language::kEnglish;
    AddMessageLine(game.client.messageLog, {.name = "Ann"}, 0);
    AddMessageLine(game.client.messageLog, {.event = MessageEvent::kLeft, .name = "Bob"}, 0);
    game.input.held.hiddenLine = true;

    const HudInput hud = GatherHudInput(game);
    EXPECT_EQ(hud.kills, 3);
    EXPECT_EQ(hud.deaths, 2);
    EXPECT_EQ(hud.team, 1);
    EXPECT_EQ(hud.blueScore, 2);
    EXPECT_EQ(hud.redScore, 1);
    EXPECT_FALSE(hud.blueFlagTaken);  // lying on the ground is not taken
    EXPECT_TRUE(hud.redFlagTaken);
    EXPECT_EQ(hud.players.size(), 4u);
    ASSERT_EQ(hud.messageLines.size(), 2u);
    EXPECT_EQ(hud.messageLines[1], "Bob left the game");
    EXPECT_TRUE(hud.hiddenLineKey);
    EXPECT_FALSE(hud.connected);
    EXPECT_FALSE(hud.StatisticsShown());
}

TEST(HudFeed, StatisticsShowWithTabAndStayOnceTheLevelIsOver) {
    Game game;
    game.input.held.statistics = true;
    EXPECT_TRUE(GatherHudInput(game).StatisticsShown());
    game.input.held.statistics = false;
    game.client.clientSettings.gameOver = 1;
    EXPECT_TRUE(GatherHudInput(game).StatisticsShown());
}

TEST(HudFeed, TheWinnerIsNamedInTheFrameThatShowsTheLevelsEnd) {
    Game game;
    game.client.clientSettings.gameOver = 1;
    game.client.clientSettings.gameType = kTeamDeathMatch;
    game.menus.language = Language::kEnglish;
    game.frame.now = 500;
    StepHudState(game);
    const HudInput hud = GatherHudInput(game);
    EXPECT_EQ(hud.winnerLine, "Red team is the winner");
    EXPECT_TRUE(hud.blinkOn);
}

}  // namespace
