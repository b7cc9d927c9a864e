#include "ui/input_poll.h"

#include <cmath>
#include <numbers>

#include "base/main_window.h"
#include "game/view_cameras.h"
#include "ui/edit_box.h"
#include "ui/frontend.h"
#include "ui/key_bindings.h"
#include "ui/screen_flow.h"
#include "ui/window_clipboard.h"

namespace {

constexpr float kWheelStep = 0.05f;

// Tracks one command's keys; true on the first poll that finds them released.
bool ReleasedNow(bool& down, bool heldNow) {
    if (heldNow) {
        down = true;
        return false;
    }
    const bool released = down;
    down = false;
    return released;
}

bool Held(const InputState& input, const HeldKey& binding) {
    return input.KeyHeld(binding.key) || (binding.otherKey != 0 && input.KeyHeld(binding.otherKey));
}

void ReadMovement(InputState& input) {
    KeyControls& held = input.held;
    held = KeyControls{};
    if (Held(input, kForwardKey)) {
        held.forward = true;
        input.forwardAxis = -1.0f;
    }
    if (Held(input, kBackKey)) {
        held.back = true;
        input.forwardAxis = 1.0f;
    }
    if (Held(input, kStrafeRightKey)) {
        held.strafeRight = true;
        input.strafeAxis = 1.0f;
    }
    if (Held(input, kStrafeLeftKey)) {
        held.strafeLeft = true;
        input.strafeAxis = -1.0f;
    }
    const bool ctrl = Held(input, kCrouchKey);
    held.run = Held(input, kRunKey);
    held.crouch = ctrl;
    held.hiddenLine = ctrl && input.KeyHeld(kHiddenLineLetter);
    held.statistics = Held(input, kStatisticsKey);
    input.jumpRequest = Held(input, kJumpKey);
}

}  // namespace

void PollKeyboard(InputState& input, Menus& menus, Clipboard& clipboard) {
    ReadMovement(input);
    const bool ctrl = Held(input, kCrouchKey);
    CommandKeys& keys = input.commands;
    const struct {
        bool raised;
        EditCommand command;
    } commands[] = {
        {ReleasedNow(keys.deleteDown, input.KeyHeld(DIK_DELETE)), EditCommand::Delete},
        {ReleasedNow(keys.copyDown, ctrl && input.KeyHeld(DIK_C)), EditCommand::Copy},
        {ReleasedNow(keys.cutDown, ctrl && input.KeyHeld(DIK_X)), EditCommand::Cut},
        {ReleasedNow(keys.pasteDown, ctrl && input.KeyHeld(DIK_V)), EditCommand::Paste},
    };
    for (const auto& each : commands) {
        if (!each.raised) continue;
        const ActiveEdit edit = FindActiveEdit(menus);
        if (edit.box) HandleCommand(*edit.box, each.command, edit.mode, clipboard);
    }
}

void PollMouse(InputState& input, const Tuning& tuning) {
    const MouseState& mouse = input.mouse;
    input.yawDelta = static_cast<float>(mouse.x) * tuning.MOUSE_SENC_X;
    const float pitch = static_cast<float>(mouse.y) * tuning.MOUSE_SENC_Y;
    // A wild jump of the mouse (more than a full turn) is not taken as a look.
    if (std::fabs(pitch) < 2.0f * std::numbers::pi_v<float>) input.pitchDelta = -pitch;
    input.wheelDelta = static_cast<float>(mouse.wheel) * kWheelStep;
    if (mouse.buttons[0] & kKeyHeld) {
        input.fireHeld = true;
        input.fireReleased = false;
    } else {
        input.fireJustReleased = input.fireHeld;
        input.fireHeld = false;
        input.fireReleased = true;
    }
}

void UpdateCursor(Menus& menus, MainWindow& window, int32_t playState) {
    const bool show = playState == 0;
    if (show == menus.cursorShown) return;
    window.SetCursorVisible(show);
    menus.cursorShown = show;
}

void PollInput(Frontend& frontend) {
    if (frontend.services.window) {
        WindowClipboard clipboard(*frontend.services.window);
        PollKeyboard(frontend.input, frontend.menus, clipboard);
    } else {
        MemoryClipboard clipboard;
        PollKeyboard(frontend.input, frontend.menus, clipboard);
    }
    PollMouse(frontend.input, frontend.tuning);
    ZoomChaseCamera(frontend.view, frontend.input.mouse.wheel);
    if (frontend.services.window)
        UpdateCursor(frontend.menus, *frontend.services.window, frontend.state.playState);
}
