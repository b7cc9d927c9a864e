// InputState: the keyboard and mouse as polled once per frame, in DirectInput terms (a key byte
// per scan code, 0x80 when held; relative mouse counts since the last poll; four buttons), and
// the movement inputs the frame derives from them. The shell fills the device part before each
// frame; the frame loop decays the axes and clears the deltas.
#pragma once
#include <array>
#include <cstdint>

#include "base/scan_codes.h"

struct MouseState {
    int32_t x = 0;  // relative counts since the last poll
    int32_t y = 0;
    int32_t wheel = 0;
    std::array<uint8_t, 4> buttons{};  // button 0 first, 0x80 when held
};

// Held keys as the keyboard poll saw them this frame (rebuilt every poll).
struct KeyControls {
    bool forward = false, back = false, strafeRight = false, strafeLeft = false;
    bool run = false;         // Left Shift
    bool crouch = false;      // Left Ctrl
    bool hiddenLine = false;  // Left Ctrl with I
    bool statistics = false;  // Tab
};

// The editing commands (Delete, Ctrl+C, Ctrl+X, Ctrl+V) fire once, when their keys are released.
struct CommandKeys {
    bool deleteDown = false, copyDown = false, cutDown = false, pasteDown = false;
};

struct InputState {
    std::array<uint8_t, 256> keys{};
    MouseState mouse;

    KeyControls held;
    CommandKeys commands;
    bool jumpRequest = false;  // set while Space is held; the movement step clears it when used
    bool fireHeld = false;
    bool fireReleased = true;       // the fire button is up
    bool fireJustReleased = false;  // it went up at this poll

    float forwardAxis = 0.0f;  // -1..+1
    float strafeAxis = 0.0f;   // -1..+1
    float yawDelta = 0.0f;
    float pitchDelta = 0.0f;
    float wheelDelta = 0.0f;

    bool KeyHeld(uint8_t code) const { return (keys[code] & kKeyHeld) != 0; }
};
