// DisplaySettings: how the game shows itself, kept in `display.cfg` next to `conf2.cfg` (whose
// record stays as it is): full screen or a window of a chosen size, the frame limit and the
// language. A line "key value" each ("window 1024x768" or "window off", "frames vsync|off|N",
// "language auto|ru|en"; a file without a language line follows the environment); a missing,
// damaged or unknown file, or a line out of range, gives the defaults for what it would have set: a
// file the user never wrote is no error.
#pragma once
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "config/language_choice.h"

enum class FrameLimit : uint8_t { kOff, kVsync, kRate };

struct DisplaySettings {
    bool windowed = false;
    int32_t windowWidth = 1024, windowHeight = 768;
    FrameLimit frameLimit = FrameLimit::kVsync;
    int32_t framesPerSecond = 60;  // for kRate
    LanguageChoice language = LanguageChoice::kEnvironment;

    bool operator==(const DisplaySettings&) const = default;
};

inline constexpr int32_t kSmallestWindow = 320;
inline constexpr int32_t kLargestWindow = 8192;
inline constexpr int32_t kFewestFrames = 10, kMostFrames = 1000;

struct WindowSize {
    int32_t width = 0, height = 0;
    bool operator==(const WindowSize&) const = default;
};

// The window the chosen size opens: never larger than the desktop's usable area (the frame
// included), which may be smaller than any size the options offer. display.cfg keeps the choice.
WindowSize WindowWithinDesktop(WindowSize chosen, WindowSize usable, WindowSize frame);

DisplaySettings ParseDisplaySettings(std::span<const uint8_t> bytes);
std::string FormatDisplaySettings(const DisplaySettings& settings);

DisplaySettings ReadDisplaySettings(const std::filesystem::path& path);
// Throws std::runtime_error naming the file when it cannot be written.
void WriteDisplaySettings(const std::filesystem::path& path, const DisplaySettings& settings);
