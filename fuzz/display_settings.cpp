// Arbitrary display.cfg bytes: whatever they hold, the settings stay within their ranges (the
// language one of its three choices), and the file written from them reads back as the same file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "config/display_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const DisplaySettings settings = ParseDisplaySettings(std::span(data, size));
    if (settings.windowWidth < kSmallestWindow || settings.windowWidth > kLargestWindow ||
        settings.windowHeight < kSmallestWindow || settings.windowHeight > kLargestWindow ||
        settings.framesPerSecond < kFewestFrames || settings.framesPerSecond > kMostFrames ||
        settings.language > LanguageChoice::kEnglish) {
        std::abort();
    }
    const std::string text = FormatDisplaySettings(settings);
    const std::span written(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    if (FormatDisplaySettings(ParseDisplaySettings(written)) != text) std::abort();
    return 0;
}
