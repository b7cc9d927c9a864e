// The HUD sees the match as the client knows it: the local player's counters, the settings
// copy, the keys held and the lines on screen.
#include "app/hud_feed.h"

#include <gtest/gtest.h>

#include "app/game.h"
#include "app/level_loading.h"
#include "net/client_session.h"

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

// The keys are told while the first level of the run is played, whole on the HUD's lines, in the
// player's language; a later level (the next map, another game) shows none.
TEST(HudFeed, TheKeyHintShowsDuringTheFirstLevelOfTheRunOnly) {
    const struct {
        int levelsEntered;
        Language language;
        const char* told;  // in some line; nullptr: no hint
    } cases[] = {
        {0, Language::kEnglish, nullptr},
        {1, Language::kEnglish, "Q \x96 chase view, Tab \x96 statistics"},
        {1, Language::kRussian, "Q \x96 \xE2\xE8\xE4 \xF1\xE7\xE0\xE4\xE8, Tab"},
        {2, Language::kEnglish, nullptr},
    };
    for (const auto& c : cases) {
        Game game;
        InstallLevelHooks(game);
        game.menus.language = c.language;
        for (int level = 0; level < c.levelsEntered; ++level) EnterGame(game);
        std::string all;
        for (const std::string& line : GatherHudInput(game).keyHint) {
            EXPECT_LE(line.size(), tmessagelog::kLineLength) << line;  // the HUD would cut it
            all += line;
        }
        EXPECT_EQ(all.empty(), !c.told) << c.levelsEntered;
        if (c.told) {
            EXPECT_NE(all.find(c.told), std::string::npos) << all;
        }
    }
}

}  // namespace
