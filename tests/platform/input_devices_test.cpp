#include "platform/input_devices.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(InputDevices, ScancodesMapToDirectInputCodes) {
    EXPECT_EQ(DikFromScancode(SDL_SCANCODE_W), DIK_W);
    EXPECT_EQ(DikFromScancode(SDL_SCANCODE_A), DIK_A);
    EXPECT_EQ(DikFromScancode(SDL_SCANCODE_ESCAPE), 0x01);
    EXPECT_EQ(DikFromScancode(SDL_SCANCODE_TAB), 0x0F);
    EXPECT_EQ(DikFromScancode(SDL_SCANCODE_SPACE), 0x39);
    EXPECT_EQ(DikFromScancode(SDL_SCANCODE_LSHIFT), 0x2A);
    EXPECT_EQ(DikFromScancode(SDL_SCANCODE_LCTRL), 0x1D);
    EXPECT_EQ(DikFromScancode(SDL_SCANCODE_UP), 0xC8);
    EXPECT_EQ(DikFromScancode(SDL_SCANCODE_KP_ENTER), 0x9C);
    EXPECT_EQ(DikFromScancode(SDL_SCANCODE_DELETE), 0xD3);
    EXPECT_EQ(DikFromScancode(SDL_SCANCODE_F12), 0x58);
    EXPECT_EQ(DikFromScancode(SDL_SCANCODE_AUDIOPLAY), 0);
    EXPECT_EQ(DikFromScancode(static_cast<SDL_Scancode>(-1)), 0);
    EXPECT_EQ(DikFromScancode(static_cast<SDL_Scancode>(SDL_NUM_SCANCODES)), 0);
    // No two keys share a code.
    std::set<uint8_t> seen;
    for (int scancode = 0; scancode < SDL_NUM_SCANCODES; ++scancode) {
        uint8_t dik = DikFromScancode(static_cast<SDL_Scancode>(scancode));
        if (dik) {
            EXPECT_TRUE(seen.insert(dik).second) << "scancode " << scancode;
        }
    }
    EXPECT_GT(seen.size(), 100u);
}

TEST(InputDevices, MouseCountsAreRelativeToThePreviousPoll) {
    InputDevices devices;
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.xrel = 5;
    event.motion.yrel = -3;
    devices.HandleEvent(event);
    devices.HandleEvent(event);
    event = {};
    event.type = SDL_MOUSEWHEEL;
    event.wheel.y = -1;
    devices.HandleEvent(event);
    InputState input;
    devices.Poll(input);
    EXPECT_EQ(input.mouse.x, 10);
    EXPECT_EQ(input.mouse.y, -6);
    EXPECT_EQ(input.mouse.wheel, -120);
    devices.Poll(input);
    EXPECT_EQ(input.mouse.x, 0);
    EXPECT_EQ(input.mouse.wheel, 0);
}

}  // namespace
