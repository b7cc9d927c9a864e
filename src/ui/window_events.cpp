#include "ui/window_events.h"

#include <cstdlib>

#include "game/weapon.h"
#include "ui/edit_box.h"
#include "ui/frontend.h"
#include "ui/menu_requests.h"
#include "ui/screen_flow.h"
#include "ui/screen_mouse.h"

namespace {

// A second press this soon and this close to the first makes a double click.
constexpr uint32_t kDoubleClickTime = 500;
constexpr int32_t kDoubleClickDistance = 4;

}  // namespace

void FormKeyPress(Frontend& frontend, uint8_t character) {
    if (character == kEscapeCharacter) {
        HandleEscape(frontend.menus, frontend.state.playState);
        return;
    }
    if (TypedBy(kChaseViewKey, character)) frontend.view.chaseView = !frontend.view.chaseView;
    if (TypedBy(kReloadKey, character) && frontend.state.playState == 1) {
        Match match = MatchOf(frontend);
        ManualReload(match);
    }
    // Ctrl+letter combinations are commands, and control keys other than Backspace (Enter, Tab)
    // are not text.
    if (frontend.input.KeyHeld(kCrouchKey.key)) return;
    if (character != kBackspace && character < kFirstPrintable) return;
    const ActiveEdit edit = FindActiveEdit(frontend.menus);
    if (edit.box) HandleKey(*edit.box, character, edit.mode);
}

void FormKeyDown(Frontend& frontend, int32_t virtualKey) {
    if (frontend.state.playState != 0) return;
    Menus& menus = frontend.menus;
    if (virtualKey == kVirtualKeyEnter) {
        RunMenuRequest(frontend, HandleEnter(menus, frontend.state.playState));
    } else if (InMenu(menus.screenState) && virtualKey == kVirtualKeyUp) {
        MoveBarUp(menus);
    } else if (InMenu(menus.screenState) && virtualKey == kVirtualKeyDown) {
        MoveBarDown(menus);
    }
}

void FormMouseMove(Frontend& frontend, PixelPoint pointer) {
    MenuMouseMove(frontend.menus, pointer);
}

void FormClick(Frontend& frontend) {
    RunMenuRequest(frontend, MenuClick(frontend.menus, frontend.state.playState));
}

void FormMouseDown(Frontend& frontend, PixelPoint pointer) {
    MenuMouseDown(frontend.menus, pointer);
}

void FormMouseUp(Frontend& frontend, PixelPoint pointer) {
    MenuMouseUp(frontend.menus, pointer);
}

void FormDblClick(Frontend& frontend) {
    MenuDoubleClick(frontend.menus, frontend.menus.pointer);
}

void FormLeftButton(Frontend& frontend, bool pressed, PixelPoint pointer) {
    // During a match the button fires; the hidden menus must not take it as a click.
    if (frontend.state.playState != 0) return;
    ClickTracker& clicks = frontend.menus.clicks;
    frontend.menus.pointer = pointer;
    if (!pressed) {
        if (!clicks.doublePress) FormClick(frontend);
        clicks.doublePress = false;
        FormMouseUp(frontend, pointer);
        return;
    }
    const uint32_t now = frontend.services.clock ? frontend.services.clock->Ticks() : 0;
    const bool near = std::abs(pointer.x - clicks.lastPress.x) <= kDoubleClickDistance &&
                      std::abs(pointer.y - clicks.lastPress.y) <= kDoubleClickDistance;
    clicks.doublePress = clicks.pressSeen && near && now - clicks.lastPressTime <= kDoubleClickTime;
    // A third press starts over rather than making a second double click.
    clicks.pressSeen = !clicks.doublePress;
    clicks.lastPressTime = now;
    clicks.lastPress = pointer;
    FormMouseDown(frontend, pointer);
    if (clicks.doublePress) FormDblClick(frontend);
}

void FormScanKeyDown(Frontend& frontend, uint8_t dik) {
    switch (dik) {
        case DIK_RETURN:
        case DIK_NUMPADENTER:
            FormKeyDown(frontend, kVirtualKeyEnter);
            break;
        case DIK_UP:
            FormKeyDown(frontend, kVirtualKeyUp);
            break;
        case DIK_DOWN:
            FormKeyDown(frontend, kVirtualKeyDown);
            break;
        default:
            break;
    }
}
