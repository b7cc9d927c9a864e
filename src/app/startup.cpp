#include "app/startup.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "app/content_check.h"
#include "app/game.h"
#include "app/level_loading.h"
#include "app/log_file.h"
#include "app/map_store.h"
#include "app/remote_trace.h"
#include "base/main_window.h"
#include "config/config_reader.h"
#include "config/display_settings.h"
#include "net/client_session.h"
#include "net/server.h"
#include "sound/sound_buffers.h"
#include "sound/sound_loading.h"
#include "ui/fault_details.h"
#include "ui/fault_phrases.h"
#include "ui/map_list.h"
#include "ui/menu_build.h"
#include "ui/menu_requests.h"

namespace {

// The refusal reads the same in either language.
constexpr Phrase kModeRefusedPhrase{kModeRefusedText, kModeRefusedText};

void AddNotice(Game& game, const Phrase& headline, std::vector<std::string> lines,
               bool inBox = true) {
    if (lines.empty()) return;
    for (const std::string& line : lines) std::fprintf(stderr, "zarnok: %s\n", line.c_str());
    game.startupNotices.push_back({headline, std::move(lines), inBox});
}

// A map whose name the network cannot carry is left out of the lists; the player learns why.
std::vector<std::string> MapsLeftOut(const ContentPaths& paths) {
    std::vector<std::string> lines;
    for (const std::filesystem::path& file : MapFilesWithTooLongNames(paths)) {
        lines.push_back(file.string() + ": the name is longer than " +
                        std::to_string(LongestMapName()) +
                        " characters; rename the file to play it");
    }
    return lines;
}

}  // namespace

void LoadSettings(Game& game) {
    MainWindow& window = *game.services.window;
    // Until display.cfg is read, what stops start-up is told in the environment's language.
    game.menus.environmentLanguage = LanguageOfEnvironment(
        std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
    game.menus.language = game.menus.environmentLanguage;
    OpenRemoteTraceFromEnvironment(game);
    UseContentPaths(game.world, game.paths);
    ReadConfig(game.paths.configFile, game.tuning);
    UserSettingsRead read = ReadUserSettings(game.paths.settingsFile, window.ScreenWidth(),
                                             window.ScreenHeight(), game.paths.settingsWritable);
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
    if (InitSound(game.sound, game.services.audio) == kSoundNoDevice) {
        AddNotice(game, kSoundOffPhrase, {"no sound device was found; the game runs silent"},
                  false);
    }
    AddNotice(game, kMapLeftOutPhrase, MapsLeftOut(game.paths), false);
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
    if (!game.paths.logWritable) return;
    CreateLogFile(game.paths.logFile);
    for (const StartupNotice& notice : game.startupNotices) {
        for (const std::string& line : notice.lines) AppendLogLine(game.paths.logFile, line);
    }
}

void ShowStartupNotices(Game& game) {
    const Language language = game.menus.language;
    for (const StartupNotice& notice : game.startupNotices) {
        if (!notice.inBox) {
            for (const std::string& line : notice.lines)
                game.menus.footLines.push_back({notice.headline, line});
            continue;
        }
        std::string detail = DetailInLanguage(notice.lines.front(), language);
        if (notice.lines.size() > 1) {
            detail += " (+" + std::to_string(notice.lines.size() - 1) + ": log.txt)";
        }
        ShowMenuMessage(game.menus, Say(notice.headline, language), detail);
    }
}

std::string FormClose(Game& game) {
    std::string failures;
    // A folder found unwritable at start-up was told then; it is not tried again.
    try {
        if (game.paths.settingsWritable)
            WriteUserSettings(game.paths.settingsFile, game.userSettings);
    } catch (const std::exception& error) {
        failures += std::string(error.what()) + "\n";
    }
    try {
        if (game.paths.logWritable) WriteExitLog(game.paths.logFile, game.traffic);
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
