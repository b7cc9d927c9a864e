#include "app/startup.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "app/game.h"
#include "app/level_loading.h"
#include "app/log_file.h"
#include "base/main_window.h"
#include "config/config_reader.h"
#include "config/display_settings.h"
#include "net/client_session.h"
#include "net/server.h"
#include "sound/sound_buffers.h"
#include "sound/sound_loading.h"
#include "ui/menu_build.h"

void LoadSettings(Game& game) {
    MainWindow& window = *game.services.window;
    ReadConfig(game.paths.configFile, game.tuning);
    UserSettingsRead read =
        ReadUserSettings(game.paths.settingsFile, window.ScreenWidth(), window.ScreenHeight());
    game.userSettings = read.settings;
    if (!read.damageNotice.empty()) {
        std::fprintf(stderr, "zarnok: %s\n", read.damageNotice.c_str());
        game.startupNotices.push_back(read.damageNotice);
    }
    game.display = ReadDisplaySettings(game.paths.displayFile);
    game.menus.environmentLanguage = LanguageOfEnvironment(
        std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
    game.menus.language = ChooseLanguage(game.display.language, game.menus.environmentLanguage);
    ScaleMouseSensitivity(game.tuning, game.userSettings.mouseSensitivity);
    const tusersettings& settings = game.userSettings;
    if (window.ScreenWidth() != settings.screenWidth ||
        window.ScreenHeight() != settings.screenHeight) {
        SwitchDisplayMode(window, settings.screenWidth, settings.screenHeight);
    }
    EnumerateDisplayModes(window, game.displayModes);
    InstallLevelHooks(game);
    InitSound(game.sound, game.services.audio);
    game.menus.screenState = kMainMenu;
}

void FinishStartUp(Game& game) {
    BuildMenus(game, MenuVariant::Main);
    LoadSounds(game.sound, game.paths.soundDir.string(), game.userSettings.soundVolume);
    game.state.renderEnabled = true;
    CreateLogFile(game.paths.logFile);
    for (const std::string& notice : game.startupNotices) AppendLogLine(game.paths.logFile, notice);
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
