#include "app/startup.h"

#include <exception>

#include "app/config_reader.h"
#include "app/game.h"
#include "app/log_file.h"
#include "app/main_window.h"
#include "app/startup_steps.h"

void LoadSettings(Game& game) {
    MainWindow& window = *game.services.window;
    ReadConfig(game.paths.configFile, game.tuning);
    game.userSettings =
        ReadUserSettings(game.paths.settingsFile, window.ScreenWidth(), window.ScreenHeight());
    ScaleMouseSensitivity(game.tuning, game.userSettings.mouseSensitivity);
    const tusersettings& settings = game.userSettings;
    if (window.ScreenWidth() != settings.screenWidth ||
        window.ScreenHeight() != settings.screenHeight) {
        SwitchDisplayMode(window, settings.screenWidth, settings.screenHeight);
    }
    EnumerateDisplayModes(window, game.displayModes);
    StartSoundDevice(game);
    ShowMainMenu(game);
}

void FinishStartUp(Game& game) {
    BuildMainMenus(game);
    LoadGameSounds(game);
    PrepareHud(game);
    game.state.renderEnabled = true;
    CreateLogFile(game.paths.logFile);
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
        CloseHostedServer(game);
    } else {
        DisconnectClient(game);
    }
    ReleaseSounds(game);
    return failures;
}
