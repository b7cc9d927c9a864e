#include "ui/options.h"

#include "base/main_window.h"
#include "base/text_numbers.h"
#include "game/view_layout.h"
#include "sound/sound_volume.h"
#include "ui/frontend.h"
#include "ui/menu_build.h"
#include "ui/menu_requests.h"

namespace {

// "110%" -> 110; an entry that is not a percentage keeps `current`.
int32_t PercentOf(const std::string& entry, int32_t current) {
    if (entry.empty()) return current;
    return ParseInt32(std::string_view(entry).substr(0, entry.size() - 1)).value_or(current);
}

int32_t DetailLevelOf(const std::string& entry, int32_t current) {
    if (entry == "Low") return 2;
    if (entry == "Medium") return 1;
    if (entry == "High") return 0;
    return current;
}

// "1024x768" -> a window of that size; "Off" (or anything else) -> full screen.
void ReadDisplayChoice(const std::string& size, DisplaySettings& display) {
    display.windowed = false;
    const size_t by = size.find('x');
    const auto width = ParseInt32(std::string_view(size).substr(0, by));
    const auto height =
        by == std::string::npos ? std::nullopt : ParseInt32(std::string_view(size).substr(by + 1));
    if (!width || !height) return;
    display.windowed = true;
    display.windowWidth = *width;
    display.windowHeight = *height;
}

void ReadFrameLimitChoice(const std::string& entry, DisplaySettings& display) {
    if (entry == "Off") {
        display.frameLimit = FrameLimit::kOff;
    } else if (entry == "Vsync") {
        display.frameLimit = FrameLimit::kVsync;
    } else if (const auto rate = ParseInt32(entry)) {
        display.frameLimit = FrameLimit::kRate;
        display.framesPerSecond = *rate;
    }
}

}  // namespace

std::string DisplayText(const DisplaySettings& settings) {
    if (!settings.windowed) return "Off";
    return std::to_string(settings.windowWidth) + "x" + std::to_string(settings.windowHeight);
}

std::string FrameLimitText(const DisplaySettings& settings) {
    switch (settings.frameLimit) {
        case FrameLimit::kOff:
            return "Off";
        case FrameLimit::kVsync:
            return "Vsync";
        case FrameLimit::kRate:
            break;
    }
    return std::to_string(settings.framesPerSecond);
}

void ShowDisplay(Frontend& frontend) {
    const DisplaySettings& display = frontend.display;
    MainWindow& window = *frontend.services.window;
    window.SetWindowed(display.windowed, display.windowWidth, display.windowHeight);
    frontend.state.vsyncOn = display.frameLimit == FrameLimit::kVsync && window.SetVsync(true);
    if (display.frameLimit != FrameLimit::kVsync) window.SetVsync(false);
}

bool ApplyOptions(Frontend& frontend, const OptionsChoice& choice) {
    tusersettings& settings = frontend.userSettings;
    MainWindow& window = *frontend.services.window;
    settings.mouseSensitivity = PercentOf(choice.sensitivity, settings.mouseSensitivity);

    EnumerateDisplayModes(window, frontend.displayModes);
    for (const tdisplaymode& mode : frontend.displayModes) {
        if (DisplayModeText(mode) == choice.resolution) {
            settings.screenWidth = mode.width;
            settings.screenHeight = mode.height;
            break;
        }
    }
    ScaleMouseSensitivity(frontend.tuning, settings.mouseSensitivity);

    if (window.ScreenWidth() != settings.screenWidth ||
        window.ScreenHeight() != settings.screenHeight) {
        if (SwitchDisplayMode(window, settings.screenWidth, settings.screenHeight) ==
            ModeSwitch::kRefused)
            ShowMenuMessage(frontend.menus, kModeRefusedText, "");
        // No frame may draw while the window and its context are being rebuilt.
        frontend.state.renderEnabled = false;
        window.Resize(settings.screenWidth, settings.screenHeight);
        FormResize(frontend.view, settings.screenWidth, settings.screenHeight);
        frontend.state.renderEnabled = true;
    }
    settings.detailLevel = DetailLevelOf(choice.detail, settings.detailLevel);
    settings.soundVolume = PercentOf(choice.volume, settings.soundVolume);
    const int32_t local =
        frontend.sound.playerChannels.empty() ? -1 : frontend.state.localPlayerIndex;
    ApplySoundVolume(frontend.sound, frontend.userSettings.soundVolume, local);
    DisplaySettings display = frontend.display;
    ReadDisplayChoice(choice.display, display);
    ReadFrameLimitChoice(choice.frames, display);
    if (display != frontend.display) {
        frontend.display = display;
        ShowDisplay(frontend);
    }
    frontend.display.language = choice.language;
    const Language language = ChooseLanguage(choice.language, frontend.menus.environmentLanguage);
    if (language != frontend.menus.language) ShowLanguage(frontend, language);
    WriteUserSettings(frontend.paths.settingsFile, settings);
    WriteDisplaySettings(frontend.paths.displayFile, frontend.display);
    return true;
}
