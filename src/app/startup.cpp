#include "app/startup.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "app/content_check.h"
#include "app/game.h"
#include "app/level_loading.h"
#include "app/log_file.h"
#include "app/map_store.h"
#include "base/main_window.h"
#include "config/config_reader.h"
#include "config/display_settings.h"
#include "net/client_session.h"
#include "net/server.h"
#include "sound/sound_buffers.h"
#include "sound/sound_loading.h"
#include "ui/fault_phrases.h"
#include "ui/menu_build.h"
#include "ui/menu_requests.h"

namespace {

// The refusal reads the same in either language.
constexpr Phrase kModeRefusedPhrase{kModeRefusedText, kModeRefusedText};

void AddNotice(Game& game, const Phrase& headline, std::vector<std::string> lines) {
    if (lines.empty()) return;
    for (const std::string& line : lines) std::fprintf(stderr, "zarnok: %s\n", line.c_str());
    game.startupNotices.push_back({headline, std::move(lines)});
}

}  // namespace

void LoadSettings(Game& game) {
    MainWindow& window = *game.services.window;
    // Until display.cfg is read, what stops start-up is told in the environment's language.
    game.menus.environmentLanguage = LanguageOfEnvironment(
        std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
    game.menus.language = game.menus.environmentLanguage;
    UseContentPaths(game.world, game.paths);
    ReadConfig(game.paths.configFile, game.tuning);
    UserSettingsRead read =
        ReadUserSettings(game.paths.settingsFile, window.ScreenWidth(), window.ScreenHeight());
    game.userSettings = read.settings;
    if (!read.damageNotice.empty()) AddNotice(game, kSettingsDamagedPhrase, {read.damageNotice});
    game.display = ReadDisplaySettings(game.paths.displayFile);
    game.menus.language = ChooseLanguage(game.display.language, game.menus.environmentLanguage);
    ScaleMouseSensitivity(game.tuning, game.userSettings.mouseSensitivity);
    const tusersettings& settings = game.userSettings;
    if (window.ScreenWidth() != settings.screenWidth ||
        window.ScreenHeight() != settings.screenHeight) {
        if (SwitchDisplayMode(window, settings.screenWidth, settings.screenHeight) ==
            ModeSwitch::kRefused) {
            AddNotice(game, kModeRefusedPhrase,
                      {"the display refused the mode " + std::to_string(settings.screenWidth) +
                       "x" + std::to_string(settings.screenHeight)});
        }
    }
    EnumerateDisplayModes(window, game.displayModes);
    InstallLevelHooks(game);
    InstallMapStore(game, game.paths);
    InitSound(game.sound, game.services.audio);
    game.menus.screenState = kMainMenu;
}

void FinishStartUp(Game& game) {
    BuildMenus(game, MenuVariant::Main);
    CheckRequiredContent(game);
    AddNotice(game, kSoundsSilentPhrase,
              LoadSounds(game.sound, game.paths.soundDir.string(), game.userSettings.soundVolume));
    game.state.renderEnabled = true;
    StartLogFile(game);
}

void StartLogFile(const Game& game) {
    CreateLogFile(game.paths.logFile);
    for (const StartupNotice& notice : game.startupNotices) {
        for (const std::string& line : notice.lines) AppendLogLine(game.paths.logFile, line);
    }
}

void ShowStartupNotices(Game& game) {
    for (const StartupNotice& notice : game.startupNotices) {
        std::string detail = notice.lines.front();
        if (notice.lines.size() > 1) {
            detail += " (+" + std::to_string(notice.lines.size() - 1) + ": log.txt)";
        }
        ShowMenuMessage(game.menus, Say(notice.headline, game.menus.language), detail);
    }
}

std::string FormClose(Game& game) {
    std::string failures;
    try {
        WriteUserSettings(game.paths.settingsFile, game.userSettings);
    } catch (const std::exception& error) {
        failures += std::string(error.what()) + "\n";
    }
    try {
        WriteExitLog(game.paths.logFile, game.traffic);
    } catch (const std::exception& error) {
        failures += std::string(error.what()) + "\n";
    }
    if (game.state.hosting) {
        CloseServer(game);
    } else {
        Disconnect(game);
    }
    ReleaseSounds(game.sound);
    return failures;
}
