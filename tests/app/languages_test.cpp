// What the player reads comes in the menus' language: the Russian texts as the game has always
// written them, and their English ones; the names in them are the players' own.
#include <gtest/gtest.h>

#include "app/game.h"
#include "app/hud_feed.h"
#include "ui/menu_requests.h"

namespace {

TEST(Languages, MessagesAndTheMatchsAnnouncementsComeInTheChosenLanguage) {
    struct Case {
        Language language;
        const char* serverSilent;
        const char* winner;
        const char* connectionLost;
        const char* departure;
    };
    const Case cases[] = {
        {Language::kRussian, "\xD1\xE5\xF0\xE2\xE5\xF0 \xED\xE5 \xEE\xF2\xE2\xE5\xF7\xE0\xE5\xF2",
         "\xCF\xEE\xE1\xE5\xE4\xE8\xEB Kestrel !",
         "\xD1\xEE\xE5\xE4\xE8\xED\xE5\xED\xE8\xE5 \xF1 \xF1\xE5\xF0\xE2\xE5\xF0\xEE\xEC "
         "\xF0\xE0\xE7\xEE\xF0\xE2\xE0\xED\xEE",
         "Kestrel \xEF\xEE\xEA\xE8\xED\xF3\xEB \xE8\xE3\xF0\xF3"},
        {Language::kEnglish, "Server does not respond", "Kestrel wins !",
         "Connection to the server lost", "Kestrel left the game"},
    };
    for (const Case& c : cases) {
        Game game;
        game.menus.language = c.language;
        ShowServerSilentMessage(game);
        EXPECT_EQ(game.menus.message.message.label, c.serverSilent);

        game.client.clientSettings.gameOver = 1;
        game.client.clientSettings.fragLimit = 5;
        game.play.players.resize(1);
        game.play.players[0].entry.name.Assign("Kestrel");
        game.play.players[0].entry.frags = 5;
        AddMessageLine(game.client.messageLog, {.event = MessageEvent::kLeft, .name = "Kestrel"},
                       0);
        StepHudState(game);
        const HudInput hud = GatherHudInput(game);
        EXPECT_EQ(hud.winnerLine, c.winner);
        EXPECT_EQ(hud.texts.connectionLost, c.connectionLost);
        ASSERT_EQ(hud.messageLines.size(), 1u);
        EXPECT_EQ(hud.messageLines[0], c.departure);
    }
}

}  // namespace
