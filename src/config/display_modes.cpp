#include "config/display_modes.h"

#include <algorithm>

void EnumerateDisplayModes(MainWindow& window, std::vector<tdisplaymode>& displayModes) {
    displayModes.clear();
    DriverDisplayMode mode;
    for (int32_t index = 0; index < kMaxDisplayModes && window.DisplayModeAt(index, mode);
         ++index) {
        bool known =
            std::any_of(displayModes.begin(), displayModes.end(), [&](const tdisplaymode& m) {
                return m.width == mode.width && m.height == mode.height;
            });
        if (!known) displayModes.push_back({mode.width, mode.height});
    }
}

ModeSwitch SwitchDisplayMode(MainWindow& window, int32_t width, int32_t height) {
    int32_t bitsPerPixel = window.DesktopBitsPerPixel();
    DriverDisplayMode mode;
    for (int32_t index = 0; index < kMaxDisplayModes && window.DisplayModeAt(index, mode);
         ++index) {
        if (mode.width != width || mode.height != height || mode.bitsPerPixel != bitsPerPixel) {
            continue;
        }
        return window.ChangeDisplayMode(mode) ? ModeSwitch::kSwitched : ModeSwitch::kRefused;
    }
    return ModeSwitch::kNoSuchMode;
}

std::string DisplayModeText(const tdisplaymode& mode) {
    return std::to_string(mode.width) + "x" + std::to_string(mode.height);
}
