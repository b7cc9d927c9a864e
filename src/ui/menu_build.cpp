#include "ui/menu_build.h"

#include "base/main_window.h"
#include "ui/frontend.h"
#include "ui/map_list.h"
#include "ui/menu_layout.h"
#include "ui/menu_textures.h"
#include "ui/server_rows.h"

namespace {

MenuSources SourcesOf(Frontend& frontend, MenuVariant variant) {
    const tusersettings& settings = frontend.userSettings;
    MenuSources sources;
    sources.variant = variant;
    sources.client = frontend.menus.client;
    sources.mouseSensitivity = settings.mouseSensitivity;
    sources.savedResolution = {settings.screenWidth, settings.screenHeight};
    sources.display = frontend.display;
    sources.detailLevel = settings.detailLevel;
    sources.soundVolume = settings.soundVolume;
    sources.playerName = std::string(settings.playerName.View());
    sources.serverName = std::string(settings.serverName.View());
    sources.serverAddress = std::string(settings.serverAddress.View());
    sources.displayModes = frontend.displayModes;
    if (MainWindow* window = frontend.services.window) {
        sources.currentScreen = {window->ScreenWidth(), window->ScreenHeight()};
    }
    sources.mapNames = ListMapFiles(frontend.paths);
    sources.showBots = frontend.tuning.SHOW_BOTS != 0;
    return sources;
}

void BuildScreens(Frontend& frontend, MenuVariant variant) {
    BuildMenuScreens(frontend.menus, SourcesOf(frontend, variant));
    const uint32_t now = frontend.services.clock ? frontend.services.clock->Ticks() : 0;
    SetServerRows(frontend.menus, frontend.client, now);
}

}  // namespace

void BuildMenus(Frontend& frontend, MenuVariant variant) {
    if (frontend.services.gpu) {
        frontend.world.textures.texturesDir = frontend.paths.texturesDir;
        LoadMenuTextures(frontend.world.textures, *frontend.services.gpu, variant,
                         frontend.menus.language, frontend.menus.pictures);
    }
    ClientSize& client = frontend.menus.client;
    if (MainWindow* window = frontend.services.window) {
        EnumerateDisplayModes(*window, frontend.displayModes);
        // Until the window reports its size, it covers the screen.
        if (client.width <= 0 || client.height <= 0)
            client = {window->ScreenWidth(), window->ScreenHeight()};
    }
    if (client.width <= 0 || client.height <= 0) client = ClientSize{};
    BuildScreens(frontend, variant);
    // The in-game variant is built as a level starts: play takes the screen.
    if (variant == MenuVariant::InGame) frontend.menus.screenState = kPlaying;
}

void ShowLanguage(Frontend& frontend, Language language) {
    frontend.menus.language = language;
    if (frontend.services.gpu) {
        LoadWordedPictures(frontend.world.textures, *frontend.services.gpu, language,
                           frontend.menus.pictures);
    }
    BuildScreens(frontend, frontend.menus.variant);
}
