// A level that cannot be played is told with its cause, and log.txt keeps it, whether the player
// hosts (on the new-game screen, the map leaving the rotation) or joins (in the menus' box),
// instead of a wait for a server that answered.
#include <gtest/gtest.h>

#include "app/frame_loop.h"
#include "app/level_loading.h"
#include "net/client_receive.h"
#include "net/client_session.h"
#include "support/fake_gpu.h"
#include "support/players.h"
#include "support/recording_network.h"
#include "support/temp_dir.h"
#include "ui/menu_actions.h"
#include "ui/menu_forms.h"
#include "ui/menu_phrases.h"
#include "ui/select_list.h"

namespace {

TEST(LevelFaults, AMapThatCannotBePlayedIsToldWithItsCause) {
    struct Case {
        const char* fault;
        std::vector<std::string> maps;  // chosen to host, before "other.map"; none: joins
        bool joins;
        Phrase message;
        const char* detailHas;
    };
    const Case cases[] = {
        {"hosting random bytes, twice", {"bad.map", "bad.map"}, false, kMapLeftRotation, "bad.map"},
        {"hosting a map that is not there", {"gone.map"}, false, kMapLeftRotation, "gone.map"},
        {"joining a game on a map of random bytes", {}, true, kMapFailed, "bad.map"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        TempDir dir;
        dir.Write("bad.map", "\x8f\x01zz\xff garbage\n\x02\x03 1e99 nan\n");
        LoneGame lone(5000);
        Game& game = lone.game;
        FakeGpu gpu;
        game.services.gpu = &gpu;
        game.paths.mapsDir = dir.path();
        game.paths.logFile = dir.File("log.txt");
        game.state.startupComplete = true;
        InstallLevelHooks(game);
        if (c.joins) {
            game.client.serverDestination = "10.0.0.1";
            game.client.clientSettings.serverAddress.Assign("10.0.0.1");
            Connect(game);
            tgamesettings settings;
            settings.mapName.Assign("bad.map");
            const std::vector<tplayerinfo> table = {Human(1, "Host", "10.0.0.1"),
                                                    Human(game.client.localPlayer.id, "Me", "")};
            UDPServClUDPRead(game, From("10.0.0.1", BuildJoinAccepted(table, settings)));
        } else {
            for (const std::string& map : c.maps) AddSelectItem(game.menus.newGame.chosen, map);
            AddSelectItem(game.menus.newGame.chosen, "other.map");
            StartGameFromMenu(game, ReadNewGameForm(game.menus.newGame));
        }
        lone.clock.Advance(2000);  // past the wait for an answer
        RunFrame(game);
        EXPECT_FALSE(game.state.hosting || game.state.connected || game.state.connecting);
        const tselectoption& told = c.joins ? game.menus.message.message : game.menus.newGame.note;
        const tselectoption& detail =
            c.joins ? game.menus.message.detail : game.menus.newGame.noteDetail;
        EXPECT_EQ(told.label, SayWith(c.message, game.menus.language, {c.detailHas}));
        EXPECT_NE(detail.label.find(c.detailHas), std::string::npos) << detail.label;
        if (!c.maps.empty() || c.joins) {
            EXPECT_NE(dir.Read("log.txt").find(c.detailHas), std::string::npos);
        }
        if (!c.joins) {
            EXPECT_EQ(game.menus.screenState, kNewGameOverMain);
            EXPECT_FALSE(game.menus.message.open);
            // Only the map that failed leaves the rotation.
            EXPECT_EQ(ReadNewGameForm(game.menus.newGame).maps,
                      std::vector<std::string>{"other.map"});
        }
    }
}

}  // namespace
