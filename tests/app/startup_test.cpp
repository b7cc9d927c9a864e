#include "app/startup.h"

#include <gtest/gtest.h>

#include "app/game.h"
#include "app/log_file.h"
#include "config/config_reader.h"
#include "support/fake_main_window.h"
#include "support/temp_dir.h"

namespace {

struct StartupTest : ::testing::Test {
    StartupTest() {
        game.services.window = &window;
        game.paths.configFile = dir.File("config.txt");
        game.paths.settingsFile = dir.File("conf2.cfg");
        game.paths.logFile = dir.File("log.txt");
        window.modes = {{1280, 1024, 32}, {800, 600, 32}};
    }
    std::vector<std::string> LogLines() {
        std::vector<std::string> lines;
        std::string text = dir.Read("log.txt");
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string::npos;
             start = end + 1) {
            lines.push_back(text.substr(start, end - start));
        }
        EXPECT_EQ(start, text.size()) << "unterminated last line";
        return lines;
    }
    TempDir dir;
    FakeMainWindow window;
    Game game;
};

TEST_F(StartupTest, FirstStartCreatesDefaultsForTheCurrentScreenWithoutAModeChange) {
    LoadSettings(game);
    EXPECT_EQ(game.userSettings.screenWidth, 1280);
    EXPECT_EQ(game.userSettings.screenHeight, 1024);
    EXPECT_TRUE(window.changes.empty());
    EXPECT_EQ(game.displayModes.size(), 2u);
    EXPECT_EQ(std::filesystem::file_size(dir.File("conf2.cfg")), 168u);
}

TEST_F(StartupTest, SavedResolutionIsSwitchedToAndSensitivityScaled) {
    tusersettings saved = DefaultUserSettings(800, 600);
    saved.mouseSensitivity = 50;
    WriteUserSettings(dir.File("conf2.cfg"), saved);
    dir.Write("config.txt", "MOUSE_SENC_Y 0.08\n");
    LoadSettings(game);
    ASSERT_EQ(window.changes.size(), 1u);
    EXPECT_EQ(window.changes[0].width, 800);
    EXPECT_FLOAT_EQ(game.tuning.MOUSE_SENC_Y, 0.04f);
    EXPECT_FLOAT_EQ(game.tuning.MOUSE_SENC_X, 0.005f);
}

TEST_F(StartupTest, BadConfigStopsStartUpBeforeSettingsAreTouched) {
    dir.Write("config.txt", "GRAVITY heavy\n");
    EXPECT_THROW(LoadSettings(game), ConfigError);
    EXPECT_FALSE(std::filesystem::exists(dir.File("conf2.cfg")));
}

TEST_F(StartupTest, CloseWithoutAServerLogsTheFifteenCountersOnly) {
    LoadSettings(game);
    FinishStartUp(game);
    EXPECT_TRUE(game.state.renderEnabled);
    EXPECT_EQ(dir.Read("log.txt"), "");
    game.userSettings.soundVolume = 40;
    EXPECT_EQ(FormClose(game), "");
    std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines.front(), "sent 0");
    EXPECT_EQ(lines[2], "sentsrv_ginfo 0");
    EXPECT_EQ(lines.back(), "received 0");
    EXPECT_EQ(ReadUserSettings(dir.File("conf2.cfg"), 1, 1).soundVolume, 40);
}

TEST_F(StartupTest, LogListsVisitorsThenCountersInOrder) {
    game.traffic.visitorList.push_back({7, "192.168.0.5", 123});
    game.traffic.serverStatistics.ginfo = 5;
    game.traffic.serverStatistics.addlist = 2;
    game.traffic.serverStatistics.endlv2 = 1;
    CreateLogFile(game.paths.logFile);
    FormClose(game);
    std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[0], "player 7 192.168.0.5 was here 123");
    const char* labels[] = {"sent",          "sentsrv",         "sentsrv_ginfo", "sentsrv_endlv",
                            "sentsrv_addpl", "sentsrv_added",   "sentsrv_bulst", "sentsrv_bulfn",
                            "sentsrv_illim", "sentsrv_endlv2",  "sentsrv_respl", "sentsrv_delpl",
                            "sentsrv_srvcl", "sentsrv_addlist", "received"};
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(lines[i + 1].substr(0, lines[i + 1].find(' ')), labels[i]);
    EXPECT_EQ(lines[3], "sentsrv_ginfo 5");
    EXPECT_EQ(lines[10], "sentsrv_endlv2 1");
    EXPECT_EQ(lines[14], "sentsrv_addlist 2");
}

TEST_F(StartupTest, CloseStillWritesTheLogWhenSettingsCannotBeSaved) {
    CreateLogFile(game.paths.logFile);
    game.paths.settingsFile = dir.File("missing-folder/conf2.cfg");
    std::string failures = FormClose(game);
    EXPECT_NE(failures.find("conf2.cfg"), std::string::npos);
    EXPECT_EQ(LogLines().size(), 15u);
}

}  // namespace
