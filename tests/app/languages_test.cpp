// What the player reads comes in the menus' language: the Russian texts as the game has always
// written them, and their English ones; the names in them are the players' own.
#include <gtest/gtest.h>

#include "app/game.h"
#include "app/hud_feed.h"
#include "ui/fault_details.h"
#include "ui/menu_build.h"
#include "ui/menu_requests.h"

namespace {

TEST(Languages, MessagesAndTheMatchsAnnouncementsComeInTheChosenLanguage) {
    struct Case {
        Language language;
        const char* serverSilent;
        const char* winner;
        const char* connectionLost;
        const char* departure;
        const char* deathMatch;
    };
    const Case cases[] = {
        {Language::kRussian, "\xD1\xE5\xF0\xE2\xE5\xF0 \xED\xE5 \xEE\xF2\xE2\xE5\xF7\xE0\xE5\xF2",
         "\xCF\xEE\xE1\xE5\xE4\xE8\xEB Kestrel !",
         "\xD1\xEE\xE5\xE4\xE8\xED\xE5\xED\xE8\xE5 \xF1 \xF1\xE5\xF0\xE2\xE5\xF0\xEE\xEC "
         "\xF0\xE0\xE7\xEE\xF0\xE2\xE0\xED\xEE",
         "Kestrel \xEF\xEE\xEA\xE8\xED\xF3\xEB \xE8\xE3\xF0\xF3",
         "\xC1\xEE\xE9 \xED\xE0\xF1\xEC\xE5\xF0\xF2\xFC"},
        {Language::kEnglish, "Server does not respond", "Kestrel wins !",
         "Connection to the server lost", "Kestrel left the game", "DeathMatch"},
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

        BuildMenus(game, MenuVariant::Main);
        EXPECT_EQ(game.menus.newGame.gameType.valueText, c.deathMatch);
    }
}

// The game's own sentences are worded anew; the place, numbers and quoted file content are not.
TEST(Languages, FaultDetailsComeInThePlayersLanguage) {
    struct Case {
        const char* english;
        const char* russian;
    };
    const Case cases[] = {
        {"maps/a.map:12: '1.x' is not a number",
         "maps/a.map:12: '1.x' \x97 \xED\xE5 \xF7\xE8\xF1\xEB\xEE"},
        {"config.txt:2: value does not convert: RUN_TIME fast",
         "config.txt:2: \xE7\xED\xE0\xF7\xE5\xED\xE8\xE5 \xED\xE5 \xF7\xE8\xF2\xE0\xE5\xF2\xF1\xFF "
         "\xEA\xE0\xEA \xF7\xE8\xF1\xEB\xEE: RUN_TIME fast"},
        {"cannot create /home/a: b/zarnok: Permission denied",
         "\xED\xE5 \xF3\xE4\xE0\xB8\xF2\xF1\xFF \xF1\xEE\xE7\xE4\xE0\xF2\xFC /home/a: b/zarnok: "
         "\xED\xE5\xF2 \xEF\xF0\xE0\xE2 \xE4\xEE\xF1\xF2\xF3\xEF\xE0"},
        {"conf2.cfg: 100 bytes instead of 168; kept as conf2.cfg.damaged, starting with the "
         "default settings",
         "conf2.cfg: 100 \xE1\xE0\xE9\xF2 \xE2\xEC\xE5\xF1\xF2\xEE 168; \xF4\xE0\xE9\xEB "
         "\xF1\xEE\xF5\xF0\xE0\xED\xB8\xED \xEA\xE0\xEA conf2.cfg.damaged, "
         "\xE2\xEA\xEB\xFE\xF7\xE5\xED\xFB \xED\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE8 \xEF\xEE "
         "\xF3\xEC\xEE\xEB\xF7\xE0\xED\xE8\xFE"},
        {"cannot write in /x/zarnok: Permission denied",
         "\xED\xE5\xEB\xFC\xE7\xFF \xEF\xE8\xF1\xE0\xF2\xFC \xE2 /x/zarnok: \xED\xE5\xF2 "
         "\xEF\xF0\xE0\xE2 \xE4\xEE\xF1\xF2\xF3\xEF\xE0"},
        {"the server has no map big.map",
         "\xED\xE0 \xF1\xE5\xF0\xE2\xE5\xF0\xE5 \xED\xE5\xF2 \xEA\xE0\xF0\xF2\xFB big.map"},
        {"maps/needs a texture name: a server said hello",
         "maps/needs a texture name: a server said hello"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DetailInLanguage(c.english, Language::kRussian), c.russian);
        EXPECT_EQ(DetailInLanguage(c.english, Language::kEnglish), c.english);
    }
}

}  // namespace
