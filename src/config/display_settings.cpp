#include "config/display_settings.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "base/file_bytes.h"
#include "base/split_line.h"

namespace {

// More than any settings file of a few lines: the rest is not read.
constexpr size_t kMostBytes = 4096;

std::optional<int32_t> Number(std::string_view text, int32_t lowest, int32_t highest) {
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    if (value < lowest || value > highest) return std::nullopt;
    return value;
}

void ReadWindow(std::string_view value, DisplaySettings& settings) {
    if (value == "off") {
        settings.windowed = false;
        return;
    }
    const size_t by = value.find('x');
    if (by == std::string_view::npos) return;
    const auto width = Number(value.substr(0, by), kSmallestWindow, kLargestWindow);
    const auto height = Number(value.substr(by + 1), kSmallestWindow, kLargestWindow);
    if (!width || !height) return;
    settings.windowed = true;
    settings.windowWidth = *width;
    settings.windowHeight = *height;
}

void ReadFrames(std::string_view value, DisplaySettings& settings) {
    if (value == "off") {
        settings.frameLimit = FrameLimit::kOff;
    } else if (value == "vsync") {
        settings.frameLimit = FrameLimit::kVsync;
    } else if (const auto rate = Number(value, kFewestFrames, kMostFrames)) {
        settings.frameLimit = FrameLimit::kRate;
        settings.framesPerSecond = *rate;
    }
}

void ReadLanguage(std::string_view value, DisplaySettings& settings) {
    if (value == "auto") settings.language = LanguageChoice::kEnvironment;
    if (value == "ru") settings.language = LanguageChoice::kRussian;
    if (value == "en") settings.language = LanguageChoice::kEnglish;
}

const char* LanguageWord(LanguageChoice language) {
    switch (language) {
        case LanguageChoice::kRussian:
            return "ru";
        case LanguageChoice::kEnglish:
            return "en";
        case LanguageChoice::kEnvironment:
            break;
    }
    return "auto";
}

}  // namespace

WindowSize WindowWithinDesktop(WindowSize chosen, WindowSize usable, WindowSize frame) {
    // A desktop that reports nothing usable is no reason to shrink the window to nothing.
    if (usable.width <= frame.width || usable.height <= frame.height) return chosen;
    return {std::min(chosen.width, usable.width - frame.width),
            std::min(chosen.height, usable.height - frame.height)};
}

DisplaySettings ParseDisplaySettings(std::span<const uint8_t> bytes) {
    DisplaySettings settings;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()),
                                std::min(bytes.size(), kMostBytes));
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r')) line.remove_suffix(1);  // written on another system
        std::vector<std::string> words;
        SplitLine(line, words);
        start = end + 1;
        if (words.size() != 2) continue;
        if (words[0] == "window") ReadWindow(words[1], settings);
        if (words[0] == "frames") ReadFrames(words[1], settings);
        if (words[0] == "language") ReadLanguage(words[1], settings);
    }
    return settings;
}

std::string FormatDisplaySettings(const DisplaySettings& settings) {
    std::string text = "window ";
    text += settings.windowed
                ? std::to_string(settings.windowWidth) + "x" + std::to_string(settings.windowHeight)
                : "off";
    text += "\nframes ";
    switch (settings.frameLimit) {
        case FrameLimit::kOff:
            text += "off";
            break;
        case FrameLimit::kVsync:
            text += "vsync";
            break;
        case FrameLimit::kRate:
            text += std::to_string(settings.framesPerSecond);
            break;
    }
    return text + "\nlanguage " + LanguageWord(settings.language) + "\n";
}

DisplaySettings ReadDisplaySettings(const std::filesystem::path& path) {
    try {
        const std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(path, kMostBytes);
        return bytes ? ParseDisplaySettings(*bytes) : DisplaySettings{};
    } catch (const std::exception&) {
        return {};  // unreadable or oversized: the defaults, as for a missing file
    }
}

void WriteDisplaySettings(const std::filesystem::path& path, const DisplaySettings& settings) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << FormatDisplaySettings(settings);
    if (!file.flush()) throw std::runtime_error(path.string() + ": cannot be written");
}
