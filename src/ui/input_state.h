// InputState: the keyboard and mouse as polled once per frame, in DirectInput terms (a key byte
// per scan code, 0x80 when held; relative mouse counts since the last poll; four buttons), and
// the movement inputs the frame derives from them. The shell fills the device part before each
// frame; the frame loop decays the axes and clears the deltas.
#pragma once
#include <array>
#include <cstdint>

#include "app/scan_codes.h"

struct MouseState {
    int32_t x = 0;  // relative counts since the last poll
    int32_t y = 0;
    int32_t wheel = 0;
    std::array<uint8_t, 4> buttons{};  // button 0 first, 0x80 when held
};

struct InputState {
    std::array<uint8_t, 256> keys{};
    MouseState mouse;

    float forwardAxis = 0.0f;  // -1..+1
    float strafeAxis = 0.0f;   // -1..+1
    float yawDelta = 0.0f;
    float pitchDelta = 0.0f;
    float wheelDelta = 0.0f;

    bool KeyHeld(uint8_t code) const { return (keys[code] & kKeyHeld) != 0; }
};
