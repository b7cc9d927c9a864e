// display.cfg: what the user chose reads back the same, and any damage means the defaults for what
// it touched, never an error.
#include "config/display_settings.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace {

TEST(DisplaySettings, ChoicesReadBackAndDamageGivesTheDefaults) {
    const DisplaySettings window{true, 800, 600, FrameLimit::kRate, 120};
    const DisplaySettings off{false, 1024, 768, FrameLimit::kOff, 60};
    struct Case {
        std::string text;
        DisplaySettings expected;
    };
    const Case cases[] = {
        {FormatDisplaySettings(window), window},
        {FormatDisplaySettings(off), off},
        {"", DisplaySettings{}},
        {"window 100x100\nframes 5\n", DisplaySettings{}},               // out of range
        {"window 800x600x2\nframes -60\n", DisplaySettings{}},           // not numbers
        {"window 800x600 extra\nframes\n", DisplaySettings{}},           // not one key, one value
        {std::string("\0\xff\x01window", 9) + "\n", DisplaySettings{}},  // binary
        {"window 800x600\r\nframes 120\r\n", window},  // written on another system
    };
    for (const Case& c : cases) {
        const std::vector<uint8_t> bytes(c.text.begin(), c.text.end());
        EXPECT_EQ(ParseDisplaySettings(bytes), c.expected) << c.text;
    }
    TempDir dir;
    EXPECT_EQ(ReadDisplaySettings(dir.File("display.cfg")), DisplaySettings{});  // missing
    dir.Write("display.cfg", std::string(5000, 'w'));                            // oversized
    EXPECT_EQ(ReadDisplaySettings(dir.File("display.cfg")), DisplaySettings{});
    WriteDisplaySettings(dir.File("display.cfg"), window);
    EXPECT_EQ(ReadDisplaySettings(dir.File("display.cfg")), window);
}

// The language: a saved choice wins; without one (or with "auto") the first set of LC_ALL,
// LC_MESSAGES and LANG decides, Russian only for "ru...". The choice reads back as written.
TEST(DisplaySettings, TheSavedLanguageWinsOverTheEnvironment) {
    struct Case {
        std::string file;
        const char *lcAll, *lcMessages, *lang;
        Language expected;
    };
    const Language ru = Language::kRussian, en = Language::kEnglish;
    const Case cases[] = {
        {"", nullptr, nullptr, nullptr, en},
        {"", nullptr, nullptr, "ru_RU.UTF-8", ru},
        {"", nullptr, nullptr, "C", en},
        {"", nullptr, nullptr, "POSIX", en},
        {"", "", "", "ru_RU.UTF-8", ru},                          // empty is unset
        {"", "en_GB.UTF-8", nullptr, "ru_RU.UTF-8", en},          // LC_ALL first
        {"", nullptr, "ru_UA", "en_US.UTF-8", ru},                // then LC_MESSAGES
        {"window off\nframes 60\n", "ru", nullptr, nullptr, ru},  // a file from before
        {"language auto\n", nullptr, nullptr, "ru_RU", ru},
        {"language en\n", "ru_RU.UTF-8", nullptr, nullptr, en},
        {"language ru\n", nullptr, nullptr, "C", ru},
        {"language fr\n", nullptr, nullptr, "C", en},  // unknown: the environment
    };
    TempDir dir;
    for (const Case& c : cases) {
        const std::vector<uint8_t> bytes(c.file.begin(), c.file.end());
        const DisplaySettings settings = ParseDisplaySettings(bytes);
        const Language environment = LanguageOfEnvironment(c.lcAll, c.lcMessages, c.lang);
        EXPECT_EQ(ChooseLanguage(settings.language, environment), c.expected) << c.file;
        WriteDisplaySettings(dir.File("display.cfg"), settings);
        EXPECT_EQ(ReadDisplaySettings(dir.File("display.cfg")), settings) << c.file;
    }
}

}  // namespace

TEST(DisplaySettings, AWindowNeverOutgrowsTheDesktop) {
    struct Case {
        WindowSize chosen, usable, frame, opened;
    };
    const Case cases[] = {
        {{8192, 8192}, {1280, 1024}, {}, {1280, 1024}},
        {{8192, 600}, {1920, 1050}, {10, 30}, {1910, 600}},
        {{1024, 768}, {1920, 1050}, {10, 30}, {1024, 768}},
        {{1024, 768}, {0, 0}, {}, {1024, 768}},
    };
    for (const Case& c : cases) {
        const WindowSize opened = WindowWithinDesktop(c.chosen, c.usable, c.frame);
        EXPECT_EQ(opened, c.opened) << c.chosen.width << "x" << c.chosen.height;
    }
}
