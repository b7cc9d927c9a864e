// The display-mode table and the full-screen mode switch used at start-up and by ApplyOptions.
// `displayModes` holds distinct resolutions in the driver's order (depth and refresh ignored).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "base/main_window.h"

inline constexpr int32_t kMaxDisplayModes = 300;

struct tdisplaymode {
    int32_t width = 0;
    int32_t height = 0;
};

// Refills `displayModes` from the driver's first 300 modes.
void EnumerateDisplayModes(MainWindow& window, std::vector<tdisplaymode>& displayModes);
enum class ModeSwitch { kSwitched, kNoSuchMode, kRefused };
// The message the player sees when the system refuses a mode change.
inline constexpr const char* kModeRefusedText = "dfbg";

// Switches to the first driver mode of the wanted size at the desktop's colour depth; nothing
// happens when no mode matches. The caller tells a refusal (kModeRefusedText) where it can show it.
ModeSwitch SwitchDisplayMode(MainWindow& window, int32_t width, int32_t height);
// "800x600", as the options screen lists a resolution.
std::string DisplayModeText(const tdisplaymode& mode);
