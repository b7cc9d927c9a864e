#include "ui/options.h"

#include "base/main_window.h"
#include "base/text_numbers.h"
#include "game/view_layout.h"
#include "sound/sound_volume.h"
#include "ui/frontend.h"

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

}  // namespace

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
        SwitchDisplayMode(window, settings.screenWidth, settings.screenHeight);
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
    WriteUserSettings(frontend.paths.settingsFile, settings);
    return true;
}
