// Menus: the main menu's entries, the four overlay screens with their widgets, the screen state
// and the pointer. Built by BuildMenuScreens (ui/menu_layout.h), changed by the screen flow
// (ui/screen_flow.h) and the window event handlers, drawn by ui/draw. Owned by the Frontend.
#pragma once
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "base/phrase.h"
#include "ui/fault_details.h"
#include "ui/widgets.h"

// Which menu is on screen. Overlay screens come in two values: over the main menu (lower) and
// over the in-game menu (one higher); closing subtracts the screen's offset.
enum ScreenState : int32_t {
    kPlaying = 0,
    kMainMenu = 1,
    kInGameMenu = 2,
    kOptionsOverMain = 3,
    kOptionsOverGame = 4,
    kJoinOverMain = 9,
    kJoinOverGame = 10,
    kNewGameOverMain = 11,
    kNewGameOverGame = 12,
    kMessageOverMain = 13,
    kMessageOverGame = 14,
};

enum class MenuVariant { Main, InGame };

inline constexpr uint8_t kNoFocus = 255;

// The base of every screen: a textured panel.
struct tgform {
    std::string name;
    TextureRef background{"mi_bk1"};
    float x = -0.5f, y = 0.5f, w = 1.0f, h = 1.0f;
    bool open = false;
};

struct tgoptions : tgform {
    tglist sensitivity, resolution, detail, volume, display, frames, language;
    tgbutton ok, cancel;

    // Every option list, top to bottom.
    std::array<tglist*, 7> Lists() {
        return {&sensitivity, &resolution, &detail, &volume, &display, &frames, &language};
    }
};

// The join screen.
struct tgnetwork : tgform {
    tselectoption playerLabel, addressLabel;
    tgedit playerName, address;
    tselect servers;
    std::vector<std::string> rowAddresses;  // the server of each row of `servers`
    // Lines inside the empty list that say why nothing is heard (ui/server_rows.h).
    std::vector<tselectoption> silenceLines;
    tglist team;
    tgbutton connect, cancel;
    uint8_t focus = kNoFocus;
};

struct tgnewgame : tgform {
    tselectoption serverLabel, playerLabel, fragLabel, botsLabel;
    tgedit serverName, bots, playerName, fragLimit;
    tselect available, chosen;
    tgbutton add, remove;
    tglist gameType, team;
    tglist botSkill;  // easy, normal, hard; shown with the bots box
    tgbutton start, cancel;
    uint8_t focus = kNoFocus;
    bool showBots = false;
    // What stands in the way of starting (no map chosen, none to choose, one that did not load),
    // under the buttons; an empty line is not drawn.
    tselectoption note, noteDetail;
};

// The one-button message box: a line, and a second one saying what to do when there is one.
struct tgmes : tgform {
    tselectoption message;
    tselectoption detail;      // empty: not drawn
    tselectoption detailRest;  // what of the detail did not fit on its line; empty: not drawn
    tgbutton ok;
};

// Menu entry actions, in entry order after the highlight bar.
enum class EntryAction { None, NewGame, Join, Options, Exit, Continue };

// Texture slots the menus load for others: the statistics backdrop and HUD icons (HUD), the
// menu background and the loading picture (menu and loading frames).
struct MenuPictures {
    int32_t statisticsBackground = -1;
    int32_t hudBullet = -1, hudCharger = -1;
    int32_t hudBlueFlag = -1, hudRedFlag = -1;
    int32_t hudBlueTeam = -1, hudRedTeam = -1;
    int32_t gameLogo = -1, loadLogo = -1;
};

// The left button's last press, to tell double clicks.
struct ClickTracker {
    bool pressSeen = false;
    uint32_t lastPressTime = 0;
    PixelPoint lastPress;
    bool doublePress = false;  // the current press is a double click's second
};

// A message box's text and its second line (may be empty).
struct MenuMessage {
    std::string text, detail;
};

struct Menus {
    int32_t screenState = kMainMenu;
    MenuVariant variant = MenuVariant::Main;
    ClientSize client{0, 0};  // the window's client size; 0 until known
    PixelPoint pointer;       // last position a mouse move reported
    ClickTracker clicks;

    std::vector<tmenuitem> entries;  // entry 0 is the highlight bar
    std::vector<EntryAction> entryActions;

    tgoptions options;
    tgnetwork join;
    tgnewgame newGame;
    tgmes message;
    // Messages told while the box shows another: each shows when the one before is closed.
    std::deque<MenuMessage> waitingMessages;

    std::vector<FootLine> footLines;

    MenuPictures pictures;
    Language language = Language::kRussian;  // of every text and menu picture shown
    Language environmentLanguage =
        Language::kRussian;   // the one LC_ALL, LC_MESSAGES or LANG ask for
    bool cursorShown = true;  // as last told to the window

    // Show frames at once, outside the frame loop, before a slow level load; set by the program
    // (drawing is not part of the core), absent in tests.
    std::function<void()> paintMenuAndLoading;  // one menu frame, then the loading frame
    std::function<void()> paintLoading;         // the loading frame alone
};
