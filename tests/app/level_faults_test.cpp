// A level that cannot be played is told in the menus' box with its cause, and log.txt keeps it,
// whether the player hosts or joins, instead of a wait for a server that answered.
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
#include "ui/menu_phrases.h"

namespace {

TEST(LevelFaults, AMapThatCannotBePlayedIsToldWithItsCause) {
    struct Case {
        const char* fault;
        std::vector<std::string> maps;  // chosen to host; empty rows: joins a game on "bad.map"
        bool joins;
        Phrase message;
        const char* detailHas;
    };
    const Case cases[] = {
        {"no map to host", {}, false, kNoMaps, "maps"},
        {"hosting a map of random bytes", {"bad.map"}, false, kMapFailed, "bad.map"},
        {"hosting a map that is not there", {"gone.map"}, false, kMapFailed, "gone.map"},
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
            NewGameForm form;
            form.maps = c.maps;
            StartGameFromMenu(game, form);
        }
        lone.clock.Advance(2000);  // past the wait for an answer
        RunFrame(game);
        EXPECT_FALSE(game.state.hosting || game.state.connected || game.state.connecting);
        EXPECT_EQ(game.menus.message.message.label, Say(c.message, game.menus.language));
        EXPECT_NE(game.menus.message.detail.label.find(c.detailHas), std::string::npos)
            << game.menus.message.detail.label;
        if (!c.maps.empty() || c.joins) {
            EXPECT_NE(dir.Read("log.txt").find(c.detailHas), std::string::npos);
        }
    }
}

}  // namespace
