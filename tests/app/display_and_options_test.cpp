#include <gtest/gtest.h>

#include "app/game.h"
#include "config/display_modes.h"
#include "game/view_layout.h"
#include "support/fake_main_window.h"
#include "support/temp_dir.h"
#include "ui/options.h"

namespace {

TEST(DisplayModes, TableKeepsDistinctResolutionsInDriverOrder) {
    FakeMainWindow window;
    window.modes = {
        {800, 600, 16}, {800, 600, 32}, {1024, 768, 32}, {640, 480, 32}, {1024, 768, 16}};
    std::vector<tdisplaymode> table = {{1, 1}};
    EnumerateDisplayModes(window, table);
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(DisplayModeText(table[0]), "800x600");
    EXPECT_EQ(DisplayModeText(table[1]), "1024x768");
    EXPECT_EQ(DisplayModeText(table[2]), "640x480");
}

TEST(DisplayModes, EnumerationStopsAt300Modes) {
    FakeMainWindow window;
    for (int i = 0; i < 400; ++i) window.modes.push_back({100 + i, 100, 32});
    std::vector<tdisplaymode> table;
    EnumerateDisplayModes(window, table);
    EXPECT_EQ(table.size(), 300u);
}

TEST(DisplayModes, SwitchTakesTheFirstModeAtTheDesktopDepth) {
    FakeMainWindow window;
    window.bitsPerPixel = 16;
    window.modes = {{800, 600, 32}, {800, 600, 16}, {800, 600, 16}};
    EXPECT_EQ(SwitchDisplayMode(window, 800, 600), ModeSwitch::kSwitched);
    ASSERT_EQ(window.changes.size(), 1u);
    EXPECT_EQ(window.changes[0].bitsPerPixel, 16);
}

TEST(DisplayModes, NoMatchChangesNothingAndRefusalSaysSoOnce) {
    FakeMainWindow window;
    window.bitsPerPixel = 16;
    window.modes = {{800, 600, 32}};
    EXPECT_EQ(SwitchDisplayMode(window, 800, 600), ModeSwitch::kNoSuchMode);
    EXPECT_TRUE(window.changes.empty());

    window.bitsPerPixel = 32;
    window.refuseChanges = true;
    window.modes = {{800, 600, 32}, {800, 600, 32}};
    EXPECT_EQ(SwitchDisplayMode(window, 800, 600), ModeSwitch::kRefused);
    EXPECT_EQ(window.changes.size(), 1u);
}

TEST(FormResize, SplitsTheWindowIntoTwoHalves) {
    ViewState view;
    FormResize(view, 1025, 768);
    EXPECT_EQ(view.sideView.x, 0);
    EXPECT_EQ(view.sideView.width, 512);
    EXPECT_EQ(view.topView.x, 512);
    EXPECT_EQ(view.topView.width, 512);
    EXPECT_EQ(view.topView.height, 768);
    EXPECT_FLOAT_EQ(view.topView.aspect, 512.0f / 768.0f);
    EXPECT_FLOAT_EQ(view.sideView.aspect, view.topView.aspect);
    FormResize(view, 10, 0);  // minimised: the aspect stays usable
    EXPECT_FLOAT_EQ(view.sideView.aspect, 512.0f / 768.0f);
}

struct ApplyOptionsTest : ::testing::Test {
    ApplyOptionsTest() {
        game.services.window = &window;
        game.paths.settingsFile = dir.File("conf2.cfg");
        game.paths.displayFile = dir.File("display.cfg");
        window.modes = {{1280, 1024, 32}, {800, 600, 32}};
        game.userSettings = DefaultUserSettings(1280, 1024);
        game.state.renderEnabled = true;
    }
    TempDir dir;
    FakeMainWindow window;
    Game game;
};

TEST_F(ApplyOptionsTest, StoresTheChoicesAndWritesTheFile) {
    game.tuning.configMouseSencX = 0.02f;
    EXPECT_TRUE(ApplyOptions(game, {"150%", "1280x1024", "Medium", "30%", "1024x768", "30"}));
    EXPECT_EQ(game.userSettings.mouseSensitivity, 150);
    EXPECT_EQ(game.userSettings.detailLevel, 1);
    EXPECT_EQ(game.userSettings.soundVolume, 30);
    EXPECT_FLOAT_EQ(game.tuning.MOUSE_SENC_X, 0.03f);
    EXPECT_TRUE(window.changes.empty());
    EXPECT_TRUE(window.resizes.empty());
    tusersettings saved = ReadUserSettings(game.paths.settingsFile, 1, 1).settings;
    EXPECT_EQ(saved.soundVolume, 30);
    EXPECT_EQ(saved.detailLevel, 1);
    // The window shows at once, and the choice is kept beside conf2.cfg.
    EXPECT_TRUE(window.windowed);
    EXPECT_EQ(window.windowSize.width, 1024);
    const DisplaySettings display = ReadDisplaySettings(game.paths.displayFile);
    EXPECT_EQ(display, (DisplaySettings{true, 1024, 768, FrameLimit::kRate, 30}));
}

TEST_F(ApplyOptionsTest, NewResolutionSwitchesModeResizesAndKeepsRendering) {
    ApplyOptions(game, {"100%", "800x600", "Low", "100%", "Off", "Vsync"});
    EXPECT_EQ(game.userSettings.screenWidth, 800);
    EXPECT_EQ(game.userSettings.screenHeight, 600);
    EXPECT_EQ(game.userSettings.detailLevel, 2);
    ASSERT_EQ(window.changes.size(), 1u);
    ASSERT_EQ(window.resizes.size(), 1u);
    EXPECT_EQ(window.resizes[0].width, 800);
    EXPECT_EQ(game.view.topView.x, 400);
    EXPECT_TRUE(game.state.renderEnabled);
}

TEST_F(ApplyOptionsTest, UnknownEntriesKeepTheCurrentValues) {
    ApplyOptions(game, {"", "9999x9999", "Ultra", "loud", "12x", "fast"});
    EXPECT_EQ(game.display, DisplaySettings{});
    EXPECT_EQ(game.userSettings.mouseSensitivity, 100);
    EXPECT_EQ(game.userSettings.screenWidth, 1280);
    EXPECT_EQ(game.userSettings.detailLevel, 0);
    EXPECT_EQ(game.userSettings.soundVolume, 100);
}

}  // namespace
