#include "ui/window_events.h"

#include <cstdlib>

#include "app/game.h"
#include "game/weapon.h"
#include "ui/edit_box.h"
#include "ui/menu_requests.h"
#include "ui/screen_flow.h"
#include "ui/screen_mouse.h"

namespace {

// A second press this soon and this close to the first makes a double click.
constexpr uint32_t kDoubleClickTime = 500;
constexpr int32_t kDoubleClickDistance = 4;

// Q and R, Latin or on the Russian layout (Й and К share their keys).
bool IsViewKey(uint8_t c) {
    return c == 'Q' || c == 'q' || c == 0xC9 || c == 0xE9;
}
bool IsReloadKey(uint8_t c) {
    return c == 'R' || c == 'r' || c == 0xCA || c == 0xEA;
}

}  // namespace

void FormKeyPress(Game& game, uint8_t character) {
    if (character == kEscapeCharacter) {
        HandleEscape(game.menus, game.state.playState);
        return;
    }
    if (IsViewKey(character)) game.view.chaseView = !game.view.chaseView;
    if (IsReloadKey(character) && game.state.playState == 1) {
        Match match = MatchOf(game);
        ManualReload(match);
    }
    // Ctrl+letter combinations are commands, and control keys other than Backspace (Enter, Tab)
    // are not text.
    if (game.input.KeyHeld(DIK_LCONTROL)) return;
    if (character != kBackspace && character < kFirstPrintable) return;
    const ActiveEdit edit = FindActiveEdit(game.menus);
    if (edit.box) HandleKey(*edit.box, character, edit.mode);
}

void FormKeyDown(Game& game, int32_t virtualKey) {
    if (game.state.playState != 0) return;
    Menus& menus = game.menus;
    if (virtualKey == kVirtualKeyEnter) {
        RunMenuRequest(game, HandleEnter(menus, game.state.playState));
    } else if (InMenu(menus.screenState) && virtualKey == kVirtualKeyUp) {
        MoveBarUp(menus);
    } else if (InMenu(menus.screenState) && virtualKey == kVirtualKeyDown) {
        MoveBarDown(menus);
    }
}

void FormMouseMove(Game& game, PixelPoint pointer) {
    MenuMouseMove(game.menus, pointer);
}

void FormClick(Game& game) {
    RunMenuRequest(game, MenuClick(game.menus, game.state.playState));
}

void FormMouseDown(Game& game, PixelPoint pointer) {
    MenuMouseDown(game.menus, pointer);
}

void FormMouseUp(Game& game, PixelPoint pointer) {
    MenuMouseUp(game.menus, pointer);
}

void FormDblClick(Game& game) {
    MenuDoubleClick(game.menus, game.menus.pointer);
}

void FormLeftButton(Game& game, bool pressed, PixelPoint pointer) {
    // During a match the button fires; the hidden menus must not take it as a click.
    if (game.state.playState != 0) return;
    ClickTracker& clicks = game.menus.clicks;
    game.menus.pointer = pointer;
    if (!pressed) {
        if (!clicks.doublePress) FormClick(game);
        clicks.doublePress = false;
        FormMouseUp(game, pointer);
        return;
    }
    const uint32_t now = game.services.clock ? game.services.clock->Ticks() : 0;
    const bool near = std::abs(pointer.x - clicks.lastPress.x) <= kDoubleClickDistance &&
                      std::abs(pointer.y - clicks.lastPress.y) <= kDoubleClickDistance;
    clicks.doublePress = clicks.pressSeen && near && now - clicks.lastPressTime <= kDoubleClickTime;
    // A third press starts over rather than making a second double click.
    clicks.pressSeen = !clicks.doublePress;
    clicks.lastPressTime = now;
    clicks.lastPress = pointer;
    FormMouseDown(game, pointer);
    if (clicks.doublePress) FormDblClick(game);
}

void FormScanKeyDown(Game& game, uint8_t dik) {
    switch (dik) {
        case DIK_RETURN:
        case DIK_NUMPADENTER:
            FormKeyDown(game, kVirtualKeyEnter);
            break;
        case DIK_UP:
            FormKeyDown(game, kVirtualKeyUp);
            break;
        case DIK_DOWN:
            FormKeyDown(game, kVirtualKeyDown);
            break;
        default:
            break;
    }
}
