// After a level change, the frame that first sees this machine's player placed writes where, once,
// to log.txt: the map it loaded and the position it was given, as the map file writes numbers.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "app/frame_loop.h"
#include "support/play_fixture.h"
#include "support/temp_dir.h"

namespace {

struct PlacementLogTest : PlayFixture {
    PlacementLogTest() {
        game.state.startupComplete = true;
        game.paths.logFile = dir.File("log.txt");
        StartPlay(2, 1);
        game.client.loadedMap = "quarry.map";
        // The server has just been heard from: the watchdog leaves the game running.
        game.frame.watchdogTime = clock.now;
        game.frame.networkCheckTime = clock.now;
    }
    std::vector<std::string> LogLines() const {
        std::vector<std::string> lines;
        std::ifstream file(dir.File("log.txt"));
        for (std::string line; std::getline(file, line);) lines.push_back(line);
        return lines;
    }
    // A level change: the new level waits for the server's word, which then places us at `at`.
    void PlacedAfterLevelChange(tvec3 at) {
        game.state.spawnConfirmed = false;
        Advance(15);
        RunFrame(game);
        Model(1).position = at;
        game.state.spawnConfirmed = true;
        Advance(15);
        RunFrame(game);
    }
    TempDir dir;
};

// One line per level change; none for a join (no level change behind it), none for a frame that
// is still placed, none in the menus.
TEST_F(PlacementLogTest, EachLevelChangeLogsThePlaceOnce) {
    Advance(15);
    RunFrame(game);  // joined and placed
    PlacedAfterLevelChange({35.65f, 1.2f, 5.01f});
    Advance(15);
    RunFrame(game);  // still placed: nothing more
    game.client.loadedMap = "arena.map";
    PlacedAfterLevelChange({-27.58f, 1.2f, 0.0f});
    game.state.playState = 0;
    PlacedAfterLevelChange({1, 1, 1});  // back in the menus
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"placed on quarry.map at 35.65 1.2 5.01",
                                                    "placed on arena.map at -27.58 1.2 0"}));
}

}  // namespace
