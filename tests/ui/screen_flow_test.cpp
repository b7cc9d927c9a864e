#include "ui/screen_flow.h"

#include <gtest/gtest.h>

#include "net/client.h"
#include "ui/menu_forms.h"
#include "ui/menu_layout.h"
#include "ui/screen_mouse.h"
#include "ui/select_list.h"
#include "ui/server_rows.h"

namespace {

constexpr ClientSize kClient{800, 600};

PixelPoint AtNdc(float x, float y) {
    return {static_cast<int32_t>((x + 1) * 400 + 0.5f), static_cast<int32_t>((1 - y) * 300 + 0.5f)};
}

PixelPoint Centre(const tmenuitem& item) {
    return AtNdc(item.x + item.w / 2, item.y - item.h / 2);
}

MenuSources Sources(MenuVariant variant = MenuVariant::Main) {
    MenuSources sources;
    sources.variant = variant;
    sources.client = kClient;
    sources.mouseSensitivity = 70;
    sources.savedResolution = {1024, 768};
    sources.detailLevel = 1;
    sources.soundVolume = 40;
    sources.playerName = "Player1";
    sources.serverName = "ZarnokServer";
    sources.serverAddress = "127.0.0.1";
    sources.displayModes = {{640, 480}, {1024, 768}, {1280, 1024}};
    sources.currentScreen = {1280, 1024};
    sources.mapNames = {"a.map", "b.map", "c.map"};
    return sources;
}

class ScreenFlowTest : public ::testing::Test {
  protected:
    void Build(MenuVariant variant) { BuildMenuScreens(menus, Sources(variant)); }
    void SetUp() override {
        menus.language = Language::kEnglish;
        Build(MenuVariant::Main);
    }
    MenuRequest ClickAt(PixelPoint pointer) {
        MenuMouseMove(menus, pointer);
        MenuMouseDown(menus, pointer);
        const MenuRequest request = MenuClick(menus, playState);
        MenuMouseUp(menus, pointer);
        return request;
    }
    float BarY() const { return menus.entries[0].y; }
    Menus menus;
    int32_t playState = 0;
};

}  // namespace

TEST_F(ScreenFlowTest, EscapeWalksBetweenPlayMenusAndOverlays) {
    menus.screenState = kPlaying;
    playState = 1;
    HandleEscape(menus, playState);
    EXPECT_EQ(menus.screenState, kInGameMenu);
    EXPECT_EQ(playState, 0);
    HandleEscape(menus, playState);
    EXPECT_EQ(menus.screenState, kPlaying);
    EXPECT_EQ(playState, 1);
    playState = 0;  // the overlays below open over menus, with no match on screen

    const struct {
        Overlay overlay;
        int32_t overMain;
    } overlays[] = {
        {Overlay::Options, 3}, {Overlay::Join, 9}, {Overlay::NewGame, 11}, {Overlay::Message, 13}};
    for (const auto& each : overlays) {
        for (int32_t menu : {kMainMenu, kInGameMenu}) {
            menus.screenState = menu;
            OpenScreen(menus, each.overlay);
            EXPECT_EQ(menus.screenState, each.overMain + (menu - 1));
            EXPECT_TRUE(FormOf(menus, each.overlay).open);
            OpenScreen(menus, Overlay::Options);  // no second overlay on top
            EXPECT_EQ(menus.screenState, each.overMain + (menu - 1));
            HandleEscape(menus, playState);
            EXPECT_EQ(menus.screenState, menu);
            EXPECT_FALSE(FormOf(menus, each.overlay).open);
        }
    }
    menus.screenState = kMainMenu;
    playState = 0;
    HandleEscape(menus, playState);  // nothing under the main menu
    EXPECT_EQ(menus.screenState, kMainMenu);
    playState = 1;  // a match shown while the menus were left on the main menu
    HandleEscape(menus, playState);
    EXPECT_EQ(menus.screenState, kInGameMenu);
    EXPECT_EQ(playState, 0);
}

TEST_F(ScreenFlowTest, EnterRightAfterStartOpensTheNewGameScreenFocusedOnTheServerName) {
    EXPECT_EQ(HandleEnter(menus, playState), MenuRequest::None);
    EXPECT_EQ(menus.screenState, kNewGameOverMain);
    EXPECT_TRUE(menus.newGame.open);
    EXPECT_EQ(menus.newGame.focus, 0);
    EXPECT_TRUE(menus.newGame.serverName.active);
    EXPECT_TRUE(menus.newGame.serverName.selectAll);
    EXPECT_FALSE(menus.newGame.playerName.active);
}

TEST_F(ScreenFlowTest, HighlightBarStopsAtTheTopEntryAndAtExit) {
    for (int i = 0; i < 5; ++i) MoveBarUp(menus);
    EXPECT_NEAR(BarY(), 0.2f, 1e-4);
    for (int i = 0; i < 10; ++i) MoveBarDown(menus);
    EXPECT_NEAR(BarY(), -0.1f, 1e-4);
    EXPECT_EQ(menus.entryActions[EntryUnderBar(menus)], EntryAction::Exit);
    EXPECT_EQ(HandleEnter(menus, playState), MenuRequest::Exit);

    Build(MenuVariant::InGame);
    for (int i = 0; i < 5; ++i) MoveBarUp(menus);
    EXPECT_NEAR(BarY(), 0.3f, 1e-4);
    EXPECT_EQ(menus.entryActions[EntryUnderBar(menus)], EntryAction::Continue);
    menus.screenState = kInGameMenu;
    HandleEnter(menus, playState);
    EXPECT_EQ(menus.screenState, kPlaying);
    EXPECT_EQ(playState, 1);
}

TEST_F(ScreenFlowTest, HoverMovesTheBarAndPressShowsItPressedUntilRelease) {
    const tmenuitem& options = menus.entries[3];
    MenuMouseMove(menus, Centre(options));
    EXPECT_NEAR(BarY(), options.y, 1e-6);
    MenuMouseDown(menus, Centre(options));
    EXPECT_EQ(menus.entries[0].state, 1);
    MenuMouseUp(menus, Centre(options));
    EXPECT_EQ(menus.entries[0].state, 0);
    EXPECT_EQ(MenuClick(menus, playState), MenuRequest::None);
    EXPECT_EQ(menus.screenState, kOptionsOverMain);
}

TEST_F(ScreenFlowTest, TabCyclesTheBoxesOfTheOpenScreen) {
    OpenScreen(menus, Overlay::Join);
    EXPECT_TRUE(menus.join.playerName.active);  // active from the start, without focus
    EXPECT_EQ(menus.join.focus, kNoFocus);
    const uint8_t joinExpected[] = {0, 1, 0, 1};
    for (uint8_t focus : joinExpected) {
        AdvanceFocus(menus);
        EXPECT_EQ(menus.join.focus, focus);
        EXPECT_EQ(menus.join.playerName.active, focus == 0);
        EXPECT_EQ(menus.join.address.active, focus == 1);
        EXPECT_EQ(menus.join.address.selectAll, focus == 1);
    }
    CloseScreen(menus);

    OpenScreen(menus, Overlay::NewGame);
    tgedit* boxes[] = {&menus.newGame.serverName, &menus.newGame.bots, &menus.newGame.playerName,
                       &menus.newGame.fragLimit};
    const uint8_t newGameExpected[] = {0, 1, 2, 3, 0};
    for (uint8_t focus : newGameExpected) {
        AdvanceFocus(menus);
        EXPECT_EQ(menus.newGame.focus, focus);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(boxes[i]->active, i == focus);
    }
    CloseScreen(menus);
    AdvanceFocus(menus);  // no screen with boxes: nothing
    EXPECT_EQ(menus.newGame.focus, 0);
}

TEST_F(ScreenFlowTest, OptionsStartFromTheSavedSettings) {
    const tgoptions& options = menus.options;
    EXPECT_EQ(options.sensitivity.valueText, "70%");
    EXPECT_EQ(options.resolution.valueText, "1024x768");
    EXPECT_EQ(options.detail.valueText, "Medium");
    EXPECT_EQ(options.volume.valueText, "40%");
    EXPECT_EQ(options.sensitivity.options.size(), 11u);

    MenuSources odd = Sources();
    odd.mouseSensitivity = 73;
    odd.savedResolution = {1, 1};
    odd.soundVolume = 1000;
    odd.detailLevel = 0;
    BuildMenuScreens(menus, odd);
    EXPECT_EQ(menus.options.sensitivity.valueText, "100%");
    EXPECT_EQ(menus.options.resolution.valueText, "1280x1024");  // the current screen
    EXPECT_EQ(menus.options.volume.valueText, "100%");
    EXPECT_EQ(menus.options.detail.valueText, "High");
    odd.currentScreen = {5, 5};
    BuildMenuScreens(menus, odd);
    EXPECT_EQ(menus.options.resolution.valueText, "640x480");  // the first mode
}

TEST_F(ScreenFlowTest, OptionsArrowClickChangesTheVolumeAndOkAsksToApply) {
    HandleEnter(menus, playState);
    CloseScreen(menus);
    menus.entries[0].y = 0.0f;  // bar on options
    HandleEnter(menus, playState);
    ASSERT_EQ(menus.screenState, kOptionsOverMain);

    const tglist& volume = menus.options.volume;
    ClickAt(AtNdc(volume.leftAnchor.x - 0.035f, volume.leftAnchor.y - 0.005f));
    EXPECT_EQ(volume.valueText, "30%");
    ClickAt(AtNdc(volume.rightAnchor.x + 0.035f, volume.rightAnchor.y - 0.005f));
    ClickAt(AtNdc(volume.rightAnchor.x + 0.035f, volume.rightAnchor.y - 0.005f));
    EXPECT_EQ(volume.valueText, "50%");

    EXPECT_EQ(ClickAt(Centre(menus.options.ok)), MenuRequest::ApplyOptions);
    EXPECT_EQ(menus.screenState, kMainMenu);
    EXPECT_FALSE(menus.options.open);
    const OptionsChoice choice = ReadOptionsChoice(menus.options, menus.language);
    EXPECT_EQ(choice.volume, "50%");
    EXPECT_EQ(choice.sensitivity, "70%");
    EXPECT_EQ(choice.detail, "Medium");
    EXPECT_EQ(choice.resolution, "1024x768");
}

TEST_F(ScreenFlowTest, JoinScreenCopiesAServerRowAndConnectsWithTheLoopbackWhenEmpty) {
    Client client;
    for (const char* address : {"10.0.0.5", "10.0.0.9"}) {
        client.foundServers.emplace_back();
        client.foundServers.back().address.Assign(address);
    }
    client.foundServers[1].presence = tserverpresence{};
    client.foundServers[1].presence->gameName.Assign("Zed");
    SetServerRows(menus, client, 0);
    OpenScreen(menus, Overlay::Join);
    tgnetwork& join = menus.join;
    ClickAt(AtNdc(join.servers.x + 0.1f, join.servers.y - 0.07f));  // row 1: the named game
    EXPECT_EQ(join.address.text, "10.0.0.9");

    ClickAt(Centre(join.address));
    EXPECT_TRUE(join.address.active);
    EXPECT_FALSE(join.playerName.active);
    join.address.text = "10.0.0.77";
    ClickAt(Centre(join.playerName));  // elsewhere: the typed address stays
    EXPECT_EQ(join.address.text, "10.0.0.77");
    join.address.text.clear();
    join.playerName.text = "AVeryLongPlayerNameIndeed";
    StepRight(join.team);
    EXPECT_EQ(ClickAt(Centre(join.connect)), MenuRequest::Connect);
    EXPECT_EQ(menus.screenState, kMainMenu);
    EXPECT_FALSE(join.connect.pressed);
    const ConnectForm form = ReadConnectForm(join);
    EXPECT_EQ(form.address, "127.0.0.1");
    EXPECT_EQ(form.playerName, "AVeryLongPlayerN");
    EXPECT_EQ(form.team, 1);
}

TEST_F(ScreenFlowTest, NewGameBuildsTheRotationAndCapsBots) {
    MenuSources sources = Sources();
    sources.showBots = true;
    BuildMenuScreens(menus, sources);
    OpenScreen(menus, Overlay::NewGame);
    tgnewgame& game = menus.newGame;
    EXPECT_EQ(game.botSkill.valueText, "Normal");
    ClickAt(AtNdc(game.botSkill.leftAnchor.x - 0.035f, game.botSkill.leftAnchor.y - 0.005f));
    EXPECT_EQ(game.botSkill.valueText, "Easy");
    ClickAt(AtNdc(game.available.x + 0.1f, game.available.y - 0.07f));  // b.map
    ClickAt(Centre(game.add));
    ClickAt(Centre(game.add));
    EXPECT_EQ(game.chosen.items.size(), 2u);
    EXPECT_EQ(game.chosen.items[1].label, "b.map");
    EXPECT_NEAR(game.chosen.items[1].y, game.chosen.y - 0.05f, 1e-6);

    game.bots.text = "20";
    game.fragLimit.text = "";
    StepLeft(game.gameType);
    EXPECT_EQ(ClickAt(Centre(game.start)), MenuRequest::StartGame);
    const NewGameForm form = ReadNewGameForm(game);
    EXPECT_EQ(form.botCount, 8);
    EXPECT_EQ(form.fragLimit, 0);
    EXPECT_EQ(form.gameType, 2);
    EXPECT_EQ(form.botSkill, BotSkill::kEasy);
    EXPECT_EQ(form.maps, (std::vector<std::string>{"b.map", "b.map"}));
    EXPECT_EQ(form.serverName, "ZarnokServer");
}

TEST_F(ScreenFlowTest, StartWithAnEmptyRotationTakesTheHighlightedMapOrSaysWhyNot) {
    const struct {
        std::vector<std::string> mapFiles;
        int highlightedRow;  // -1: none
        const char* note;    // what the screen says when it cannot start
        std::vector<std::string> rotation;
    } cases[] = {
        {{"a.map", "b.map"}, 1, "", {"b.map"}},
        {{"a.map"}, -1, "Choose a map with >>", {}},
        {{}, -1, "No map to play", {}},  // an empty maps folder
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        MenuSources sources = Sources();
        sources.mapNames = c.mapFiles;
        BuildMenuScreens(menus, sources);
        menus.screenState = kMainMenu;
        OpenScreen(menus, Overlay::NewGame);
        tgnewgame& game = menus.newGame;
        const float rowY = game.available.y - 0.02f - 0.05f * static_cast<float>(c.highlightedRow);
        if (c.highlightedRow >= 0) ClickAt(AtNdc(game.available.x + 0.1f, rowY));
        const bool starts = !c.rotation.empty();
        EXPECT_EQ(HandleEnter(menus, playState),
                  starts ? MenuRequest::StartGame : MenuRequest::None);
        EXPECT_EQ(menus.screenState, starts ? kMainMenu : kNewGameOverMain);
        EXPECT_EQ(game.note.label, c.note);
        EXPECT_EQ(ReadNewGameForm(game).maps, c.rotation);
    }
}

TEST_F(ScreenFlowTest, RemoveDropsTheSelectedRow) {
    OpenScreen(menus, Overlay::NewGame);
    tgnewgame& game = menus.newGame;
    MenuDoubleClick(menus, AtNdc(game.available.x + 0.1f, game.available.y - 0.02f));  // a.map
    MenuDoubleClick(menus, AtNdc(game.available.x + 0.1f, game.available.y - 0.12f));  // c.map
    ASSERT_EQ(game.chosen.items.size(), 2u);
    ClickAt(AtNdc(game.chosen.x + 0.1f, game.chosen.y - 0.02f));
    EXPECT_EQ(game.chosen.selected, 0);
    ClickAt(Centre(game.remove));
    ASSERT_EQ(game.chosen.items.size(), 1u);
    EXPECT_EQ(game.chosen.items[0].label, "c.map");
    EXPECT_EQ(game.chosen.selected, -1);
    MenuDoubleClick(menus, AtNdc(game.chosen.x + 0.1f, game.chosen.y - 0.02f));
    EXPECT_TRUE(game.chosen.items.empty());
}

TEST_F(ScreenFlowTest, ClicksAndDoubleClicksMoveFocusAndSelection) {
    OpenScreen(menus, Overlay::NewGame);
    tgnewgame& game = menus.newGame;
    FocusNewGameBox(game, 3);
    ClickAt(Centre(game.playerName));
    EXPECT_EQ(game.focus, kNoFocus);
    EXPECT_TRUE(game.playerName.active);
    EXPECT_FALSE(game.fragLimit.active);
    EXPECT_FALSE(game.fragLimit.selectAll);
    ClickAt(Centre(game.bots));  // hidden without SHOW_BOTS
    EXPECT_FALSE(game.bots.active);
    EXPECT_TRUE(game.playerName.active);

    MenuDoubleClick(menus, Centre(game.serverName));
    EXPECT_TRUE(game.serverName.selectAll);
    EXPECT_FALSE(game.playerName.selectAll);
}

TEST_F(ScreenFlowTest, MessageBoxOkReturnsToTheMenuUnderIt) {
    menus.screenState = kInGameMenu;
    OpenScreen(menus, Overlay::Message);
    EXPECT_EQ(menus.screenState, kMessageOverGame);
    MenuMouseDown(menus, Centre(menus.message.ok));
    EXPECT_TRUE(menus.message.ok.pressed);
    ClickAt(Centre(menus.message.ok));
    EXPECT_EQ(menus.screenState, kInGameMenu);
    EXPECT_FALSE(menus.message.ok.pressed);
    OpenScreen(menus, Overlay::Message);
    HandleEnter(menus, playState);
    EXPECT_EQ(menus.screenState, kInGameMenu);
    EXPECT_EQ(menus.message.message.label, "Server does not respond");
}

TEST_F(ScreenFlowTest, EntriesMatchTheMenuVariant) {
    ASSERT_EQ(menus.entries.size(), 5u);
    EXPECT_EQ(menus.entries[0].texture.name, "mi_curs");
    EXPECT_EQ(menus.entries[0].pressedTexture.name, "mi_curs1");
    EXPECT_EQ(menus.entries[4].name, "mi_exit");
    Build(MenuVariant::InGame);
    ASSERT_EQ(menus.entries.size(), 6u);
    EXPECT_EQ(menus.entries[5].name, "mi_continue");
    EXPECT_NEAR(menus.entries[5].y, 0.3f, 1e-6);
    // A click on the entry under the bar runs it.
    menus.screenState = kInGameMenu;
    EXPECT_EQ(ClickAt(Centre(menus.entries[1])), MenuRequest::None);
    EXPECT_EQ(menus.screenState, kNewGameOverGame);
}
