#include <gtest/gtest.h>

#include <fstream>

#include "app/frame_loop.h"
#include "app/game.h"
#include "config/user_settings.h"
#include "game/view_cameras.h"
#include "support/fake_main_window.h"
#include "support/temp_dir.h"
#include "ui/input_poll.h"
#include "ui/menu_build.h"
#include "ui/menu_requests.h"
#include "ui/screen_flow.h"
#include "ui/window_events.h"

namespace {

PixelPoint Centre(const tmenuitem& item, ClientSize client) {
    return {static_cast<int32_t>((item.x + item.w / 2 + 1) * client.width / 2),
            static_cast<int32_t>((1 - (item.y - item.h / 2)) * client.height / 2)};
}

class MenuInputTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.screenWidth = 800;
        window.screenHeight = 600;
        window.modes = {{640, 480, 32}, {800, 600, 32}};
        game.services.window = &window;
        game.services.clock = &clock;
        game.paths.mapsDir = dir.path() / "maps";
        game.paths.settingsFile = dir.File("conf2.cfg");
        game.paths.displayFile = dir.File("display.cfg");
        std::filesystem::create_directories(game.paths.mapsDir);
        std::ofstream(game.paths.mapsDir / "duel.map") << "x";
        game.userSettings = DefaultUserSettings(800, 600);
        game.state.playState = 0;
        // Ports of its own: joining and hosting go ahead (without a network nothing is sent).
        game.client.clientPortOpen = game.client.serverPortOpen = true;
        BuildMenus(game, MenuVariant::Main);
    }
    void Hold(uint8_t key) { game.input.keys[key] = kKeyHeld; }
    void Release(uint8_t key) { game.input.keys[key] = 0; }
    void Poll() { PollInput(game); }
    void Type(const std::string& text) {
        for (char c : text) FormKeyPress(game, static_cast<uint8_t>(c));
    }
    void ClickOn(const tmenuitem& item) {
        const PixelPoint at = Centre(item, game.menus.client);
        FormMouseMove(game, at);
        FormMouseDown(game, at);
        FormClick(game);
        FormMouseUp(game, at);
    }

    TempDir dir;
    ManualClock clock{1000};
    FakeMainWindow window;
    Game game;
};

}  // namespace

TEST_F(MenuInputTest, ALevelStartBuildsTheInGameMenusAndLeavesThemForPlay) {
    game.menus.screenState = kNewGameOverMain;
    BuildMenus(game, MenuVariant::InGame);
    EXPECT_EQ(game.menus.screenState, kPlaying);
    EXPECT_EQ(game.menus.entries.size(), 6u);
    EXPECT_FALSE(game.menus.newGame.open);
}

TEST_F(MenuInputTest, ALevelStartKeepsTheHeardServersOnTheJoinScreen) {
    for (const char* address : {"10.0.0.9", "10.0.0.12"}) {
        tfoundserver server;
        server.address.Assign(address);
        server.lastHeard = 1000;
        game.client.foundServers.push_back(server);
    }
    // The same servers keep broadcasting: their list does not change again.
    game.client.serverListChanged = false;
    BuildMenus(game, MenuVariant::InGame);
    const std::vector<tselectoption>& rows = game.menus.join.servers.items;
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].label, "10.0.0.12");
    EXPECT_EQ(rows[1].label, "10.0.0.9");
}

TEST_F(MenuInputTest, BuildFillsScreensFromTheGame) {
    const Menus& menus = game.menus;
    EXPECT_EQ(menus.client.width, 800);
    ASSERT_EQ(menus.newGame.available.items.size(), 1u);
    EXPECT_EQ(menus.newGame.available.items[0].label, "duel.map");
    EXPECT_EQ(menus.join.playerName.text, "Player1");
    EXPECT_EQ(menus.newGame.serverName.text, "ZarnokServer");
    EXPECT_EQ(menus.options.resolution.valueText, "800x600");
    EXPECT_FALSE(menus.newGame.showBots);
}

TEST_F(MenuInputTest, KeysSetMovementFlagsAndTheLaterKeyOfAnAxisWins) {
    Hold(DIK_W);
    Hold(DIK_DOWN);
    Hold(DIK_A);
    Hold(DIK_LCONTROL);
    Hold(DIK_I);
    Hold(DIK_SPACE);
    Poll();
    EXPECT_EQ(game.input.forwardAxis, 1.0f);
    EXPECT_EQ(game.input.strafeAxis, -1.0f);
    EXPECT_TRUE(game.input.held.forward && game.input.held.back && game.input.held.strafeLeft);
    EXPECT_TRUE(game.input.held.crouch && game.input.held.hiddenLine);
    EXPECT_FALSE(game.input.held.run);
    EXPECT_TRUE(game.input.jumpRequest);
    game.input.keys = {};
    Poll();
    EXPECT_FALSE(game.input.held.forward || game.input.held.crouch || game.input.jumpRequest);
    EXPECT_EQ(game.input.forwardAxis, 1.0f);  // the frame loop lets the axes decay, not the poll
}

TEST_F(MenuInputTest, PasteHappensWhenCtrlVIsReleasedNotWhileHeld) {
    window.clipboard = "10.1.2.3";
    OpenScreen(game.menus, Overlay::Join);
    FocusJoinBox(game.menus.join, 1);
    Hold(DIK_LCONTROL);
    Hold(DIK_V);
    Poll();
    Poll();
    EXPECT_EQ(game.menus.join.address.text, "127.0.0.1");
    Release(DIK_V);
    Poll();
    EXPECT_EQ(game.menus.join.address.text, "10.1.2.3");
    window.clipboard = "9.9.9.9";
    Poll();  // raised once only
    EXPECT_EQ(game.menus.join.address.text, "10.1.2.3");
}

TEST_F(MenuInputTest, CopyAndCutReachTheSystemClipboard) {
    OpenScreen(game.menus, Overlay::NewGame);
    FocusNewGameBox(game.menus.newGame, 2);  // player name, selected
    Hold(DIK_LCONTROL);
    Hold(DIK_X);
    Poll();
    Release(DIK_X);
    Poll();
    EXPECT_EQ(window.clipboard, "Player1");
    EXPECT_EQ(game.menus.newGame.playerName.text, "");
}

TEST_F(MenuInputTest, TypingGoesToTheActiveBoxUnlessCtrlIsHeld) {
    OpenScreen(game.menus, Overlay::Join);
    Type("\bX");
    EXPECT_EQ(game.menus.join.playerName.text, "PlayerX");
    Hold(DIK_LCONTROL);
    Type("c");
    EXPECT_EQ(game.menus.join.playerName.text, "PlayerX");
    Release(DIK_LCONTROL);
    // Cyrillic letters arrive as Windows-1251 bytes.
    Type("\xE0\xE1");
    EXPECT_EQ(game.menus.join.playerName.text, "PlayerX\xE0\xE1");
}

TEST_F(MenuInputTest, EnterOpensTheNewGameScreenWithoutWipingTheSelectedName) {
    FormKeyDown(game, kVirtualKeyEnter);
    FormKeyPress(game, '\r');  // the same key also arrives as a character
    EXPECT_EQ(game.menus.screenState, kNewGameOverMain);
    EXPECT_EQ(game.menus.newGame.serverName.text, "ZarnokServer");
    EXPECT_TRUE(game.menus.newGame.serverName.selectAll);
    Type("Den");
    EXPECT_EQ(game.menus.newGame.serverName.text, "Den");
    FormKeyPress(game, kEscapeCharacter);
    EXPECT_EQ(game.menus.screenState, kMainMenu);
}

TEST_F(MenuInputTest, QAndRWorkOnBothLayouts) {
    for (uint8_t q : {uint8_t('q'), uint8_t('Q'), uint8_t(0xC9), uint8_t(0xE9)}) {
        const bool before = game.view.chaseView;
        FormKeyPress(game, q);
        EXPECT_NE(game.view.chaseView, before);
    }
    game.play.players.resize(1);
    game.play.players[0].hasModel = true;
    game.play.weapon.magazineShots = 12;
    FormKeyPress(game, 'r');
    EXPECT_EQ(game.play.weapon.reloadDelay, 0);  // no game is played
    game.state.playState = 1;
    game.menus.screenState = kPlaying;
    for (uint8_t r : {uint8_t('r'), uint8_t('R'), uint8_t(0xCA), uint8_t(0xEA)}) {
        game.play.weapon = {};
        game.play.weapon.magazineShots = 12;
        FormKeyPress(game, r);
        EXPECT_GT(game.play.weapon.reloadDelay, 0) << int(r);
    }
}

TEST_F(MenuInputTest, ArrowKeysAndEnterWorkOnlyWhileTheMenusAreShown) {
    game.state.playState = 1;
    FormKeyDown(game, kVirtualKeyDown);
    EXPECT_NEAR(game.menus.entries[0].y, 0.2f, 1e-5);
    game.state.playState = 0;
    FormKeyDown(game, kVirtualKeyDown);
    FormKeyDown(game, kVirtualKeyDown);
    EXPECT_NEAR(game.menus.entries[0].y, 0.0f, 1e-5);
    FormKeyDown(game, kVirtualKeyEnter);
    EXPECT_EQ(game.menus.screenState, kOptionsOverMain);
}

TEST_F(MenuInputTest, OptionsOkAppliesTheVolumeAndWritesConf2) {
    OpenScreen(game.menus, Overlay::Options);
    const tglist& volume = game.menus.options.volume;
    const PixelPoint left = {static_cast<int32_t>((volume.leftAnchor.x - 0.035f + 1) * 400),
                             static_cast<int32_t>((1 - volume.leftAnchor.y + 0.005f) * 300)};
    FormMouseMove(game, left);
    FormMouseDown(game, left);
    FormClick(game);
    FormMouseUp(game, left);
    EXPECT_EQ(volume.valueText, "90%");
    ClickOn(game.menus.options.ok);
    EXPECT_EQ(game.menus.screenState, kMainMenu);
    EXPECT_EQ(game.userSettings.soundVolume, 90);
    std::ifstream file(game.paths.settingsFile, std::ios::binary);
    UserSettingsBytes bytes{};
    file.read(reinterpret_cast<char*>(bytes.data()), bytes.size());
    ASSERT_EQ(file.gcount(), static_cast<std::streamsize>(kUserSettingsSize));
    EXPECT_EQ(DecodeUserSettings(bytes).soundVolume, 90);
}

TEST_F(MenuInputTest, ExitAsksTheProgramToCloseButNotWhenFiringInAMatch) {
    const PixelPoint exit = Centre(game.menus.entries[4], game.menus.client);
    game.state.playState = 1;
    FormLeftButton(game, true, exit);
    FormLeftButton(game, false, exit);
    EXPECT_FALSE(game.state.quitRequested);
    game.state.playState = 0;
    FormLeftButton(game, true, exit);
    FormLeftButton(game, false, exit);
    EXPECT_TRUE(game.state.quitRequested);
}

TEST_F(MenuInputTest, JoinAndStartRememberNamesForConf2) {
    OpenScreen(game.menus, Overlay::Join);
    game.menus.join.playerName.text = "Neo";
    game.menus.join.address.text = "";
    FormKeyDown(game, kVirtualKeyEnter);
    EXPECT_EQ(game.userSettings.playerName.View(), "Neo");
    EXPECT_EQ(game.userSettings.serverAddress.View(), "127.0.0.1");

    OpenScreen(game.menus, Overlay::NewGame);
    game.menus.newGame.serverName.text = "Den";
    game.menus.newGame.available.selected = 0;
    AddChosenMap(game.menus.newGame);
    FormKeyDown(game, kVirtualKeyEnter);
    EXPECT_EQ(game.userSettings.serverName.View(), "Den");
    // Without a GPU no level loads: the new-game screen is back, saying so.
    EXPECT_EQ(game.menus.screenState, kNewGameOverMain);
}

TEST_F(MenuInputTest, ServerSilenceOpensTheMessageOverTheCurrentMenu) {
    game.menus.screenState = kInGameMenu;
    ShowServerSilentMessage(game);
    EXPECT_EQ(game.menus.screenState, kMessageOverGame);
    EXPECT_TRUE(game.menus.message.open);
    CloseScreen(game.menus);
    OpenScreen(game.menus, Overlay::Options);
    ShowServerSilentMessage(game);  // an overlay opened meanwhile gives way
    EXPECT_EQ(game.menus.screenState, kMessageOverGame);
    EXPECT_FALSE(game.menus.options.open);
}

TEST_F(MenuInputTest, MouseDrivesViewFireAndZoomWithinLimits) {
    game.tuning.MOUSE_SENC_X = 0.5f;
    game.tuning.MOUSE_SENC_Y = 0.25f;
    game.input.mouse.x = 4;
    game.input.mouse.y = 8;
    game.input.mouse.wheel = 120;
    game.input.mouse.buttons[0] = kKeyHeld;
    Poll();
    EXPECT_EQ(game.input.yawDelta, 2.0f);
    EXPECT_EQ(game.input.pitchDelta, -2.0f);
    EXPECT_FLOAT_EQ(game.input.wheelDelta, 6.0f);
    // The chase view stands 1.12 times its configured distance behind the player.
    game.tuning.FROM2_X = 2;
    game.tuning.FROM2_Y = 2;
    game.tuning.FROM2_Z = 7;
    EXPECT_FLOAT_EQ(ChaseCameraOffset(game.view, game.tuning).z, 7.84f);
    EXPECT_TRUE(game.input.fireHeld);
    EXPECT_FALSE(game.input.fireReleased);

    game.input.pitchDelta = 0.5f;
    game.input.mouse.y = 100;       // 25 degrees is beyond a full turn's worth: ignored
    game.input.mouse.wheel = 2000;  // would pass 3: ignored entirely
    game.input.mouse.buttons[0] = 0;
    Poll();
    EXPECT_EQ(game.input.pitchDelta, 0.5f);
    EXPECT_FLOAT_EQ(ChaseCameraOffset(game.view, game.tuning).z, 7.84f);
    EXPECT_TRUE(game.input.fireJustReleased);
    EXPECT_TRUE(game.input.fireReleased);
    Poll();
    EXPECT_FALSE(game.input.fireJustReleased);
}

TEST_F(MenuInputTest, WheelZoomsTheChaseViewBetweenOnceAndThreeTimesItsDistance) {
    game.tuning.FROM2_X = 2;
    game.tuning.FROM2_Y = 2;
    game.tuning.FROM2_Z = 7;
    const tvec3 start = ChaseCameraOffset(game.view, game.tuning);
    EXPECT_EQ(start, (tvec3{2, 2, 7}));
    game.input.mouse.wheel = -120;  // already at the nearest: no change
    Poll();
    EXPECT_EQ(ChaseCameraOffset(game.view, game.tuning), start);
    game.input.mouse.wheel = 500;
    for (int notch = 0; notch < 10; ++notch) Poll();
    const tvec3 farthest = ChaseCameraOffset(game.view, game.tuning);
    EXPECT_FLOAT_EQ(farthest.z, 21.0f);
    EXPECT_FLOAT_EQ(farthest.x, 6.0f);
}

TEST_F(MenuInputTest, CursorShowsInMenusOnly) {
    game.state.playState = 1;
    Poll();
    EXPECT_FALSE(window.cursorVisible);
    game.state.playState = 0;
    Poll();
    EXPECT_TRUE(window.cursorVisible);
}

TEST_F(MenuInputTest, DoubleClickOnAMapRowAddsItOnceAndSlowClicksDoNot) {
    OpenScreen(game.menus, Overlay::NewGame);
    tgnewgame& screen = game.menus.newGame;
    const PixelPoint row = {static_cast<int32_t>((screen.available.x + 0.1f + 1) * 400),
                            static_cast<int32_t>((1 - screen.available.y + 0.02f) * 300)};
    FormMouseMove(game, row);
    for (int press = 0; press < 2; ++press) {
        FormLeftButton(game, true, row);
        clock.Advance(100);
        FormLeftButton(game, false, row);
        clock.Advance(100);
    }
    EXPECT_EQ(screen.chosen.items.size(), 1u);

    // The ">>" button adds once per click; a double click's second press is not a click.
    const PixelPoint add = Centre(screen.add, game.menus.client);
    for (int press = 0; press < 2; ++press) {
        FormLeftButton(game, true, add);
        FormLeftButton(game, false, add);
    }
    EXPECT_EQ(screen.chosen.items.size(), 2u);
    clock.Advance(600);
    FormLeftButton(game, true, add);
    FormLeftButton(game, false, add);
    EXPECT_EQ(screen.chosen.items.size(), 3u);
}

TEST_F(MenuInputTest, HeldTabStepsTheFocusAboutFiveTimesASecondThroughTheFrameLoop) {
    OpenScreen(game.menus, Overlay::NewGame);
    game.state.startupComplete = true;
    Hold(DIK_TAB);
    std::vector<int> focus;
    for (int frame = 0; frame < 45; ++frame) {  // 450 ms in 10 ms frames
        clock.Advance(10);
        RunFrame(game);
        if (focus.empty() || focus.back() != game.menus.newGame.focus)
            focus.push_back(game.menus.newGame.focus);
    }
    EXPECT_EQ(focus, (std::vector<int>{0, 1, 2}));
    Release(DIK_TAB);
    clock.Advance(10);
    RunFrame(game);
    Hold(DIK_TAB);  // a fresh tap steps at once
    clock.Advance(10);
    RunFrame(game);
    EXPECT_EQ(game.menus.newGame.focus, 3);
}
