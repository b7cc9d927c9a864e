#include "ui/menu_build.h"

#include "app/game.h"
#include "base/main_window.h"
#include "net/client.h"
#include "ui/map_list.h"
#include "ui/menu_layout.h"
#include "ui/menu_textures.h"

namespace {

MenuSources SourcesOf(Game& game, MenuVariant variant) {
    const tusersettings& settings = game.userSettings;
    MenuSources sources;
    sources.variant = variant;
    sources.client = game.menus.client;
    sources.mouseSensitivity = settings.mouseSensitivity;
    sources.savedResolution = {settings.screenWidth, settings.screenHeight};
    sources.detailLevel = settings.detailLevel;
    sources.soundVolume = settings.soundVolume;
    sources.playerName = std::string(settings.playerName.View());
    sources.serverName = std::string(settings.serverName.View());
    sources.serverAddress = std::string(settings.serverAddress.View());
    sources.displayModes = game.displayModes;
    if (MainWindow* window = game.services.window) {
        sources.currentScreen = {window->ScreenWidth(), window->ScreenHeight()};
    }
    sources.mapNames = ListMapFiles(game.paths.mapsDir);
    sources.serverAddresses = FoundServerAddresses(game.client);
    sources.showBots = game.tuning.SHOW_BOTS != 0;
    return sources;
}

}  // namespace

void BuildMenus(Game& game, MenuVariant variant) {
    if (game.services.gpu) {
        game.world.textures.texturesDir = game.paths.texturesDir;
        LoadMenuTextures(game.world.textures, *game.services.gpu, variant, game.menus.pictures);
    }
    ClientSize& client = game.menus.client;
    if (MainWindow* window = game.services.window) {
        EnumerateDisplayModes(*window, game.displayModes);
        // Until the window reports its size, it covers the screen.
        if (client.width <= 0 || client.height <= 0)
            client = {window->ScreenWidth(), window->ScreenHeight()};
    }
    if (client.width <= 0 || client.height <= 0) client = ClientSize{};
    BuildMenuScreens(game.menus, SourcesOf(game, variant));
    // The in-game variant is built as a level starts: play takes the screen.
    if (variant == MenuVariant::InGame) game.menus.screenState = kPlaying;
}
