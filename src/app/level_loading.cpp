#include "app/level_loading.h"

#include <cstdio>
#include <string>

#include "app/game.h"
#include "base/load_error.h"
#include "game/view_cameras.h"
#include "net/wire_records.h"
#include "ui/map_list.h"
#include "ui/menu_actions.h"
#include "ui/menu_build.h"
#include "world/bullet_model.h"
#include "world/level_start.h"

namespace {

bool LoadLevelFromMaps(Game& game, const std::string& mapName) {
    // Names from the network were checked to be bare file names; names from the menus come
    // from the maps folder's own listing.
    if (!game.services.gpu || !IsBareMapName(mapName)) return false;
    LevelSettings settings;
    settings.detailLevel = game.userSettings.detailLevel;
    settings.cylinderSideCount = game.tuning.CYL_SIDE_COUNT;
    LevelStartHooks hooks;
    hooks.rebuildMenus = [&game] { BuildMenus(game, MenuVariant::InGame); };
    hooks.drawLoadingScreen = [&game] { ShowLoadingFrame(game); };
    try {
        if (!StartLevel(game.world, *game.services.gpu, game.random, settings,
                        MapFile(game.paths, mapName), hooks)) {
            game.client.levelError = "no map " + mapName + " in " + MapFolders(game.paths);
            return false;
        }
        for (size_t i = 0; i < game.play.players.size(); ++i)
            ApplyPlayerColour(game.play.players[i].model, static_cast<int32_t>(i));
        // Shots make copies of it: firing needs no Gpu.
        PrepareBulletModel(game.world, game.services.gpu);
        return true;
    } catch (const WorldLoadError& error) {
        std::fprintf(stderr, "zarnok: %s\n", error.what());
        // The box has room for a line: the map's own name, not its folder, starts it.
        std::string cause = error.what();
        const std::string folder = (MapFile(game.paths, mapName).parent_path() / "").string();
        if (cause.starts_with(folder)) cause.erase(0, folder.size());
        game.client.levelError = cause;
        return false;
    }
}

}  // namespace

void InstallLevelHooks(Game& game) {
    // The hooks run inside this Game's own session.
    game.client.levelHooks.startLevel = [&game](Session&, const std::string& mapName) {
        return LoadLevelFromMaps(game, mapName);
    };
    game.client.levelHooks.enteredGame = [&game](Session&) {
        ResetViewCameras(game.view, game.tuning);
    };
}
