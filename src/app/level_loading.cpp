#include "app/level_loading.h"

#include <cstdio>
#include <string>

#include "app/game.h"
#include "app/log_file.h"
#include "base/load_error.h"
#include "game/view_cameras.h"
#include "net/wire_records.h"
#include "ui/map_list.h"
#include "ui/menu_actions.h"
#include "ui/menu_build.h"
#include "world/bullet_model.h"
#include "world/level_start.h"

namespace {

// stderr and log.txt keep the cause with its file and line (a log that cannot take it changes
// nothing); the menus' box shows it once play has stopped.
bool FailLevel(Game& game, std::string cause, const std::string& mapFolder) {
    std::fprintf(stderr, "zarnok: %s\n", cause.c_str());
    try {
        AppendLogLine(game.paths.logFile, cause);
    } catch (const std::exception&) {
    }
    // The box has room for a line: the map's own name, not its folder, starts it.
    if (!mapFolder.empty() && cause.starts_with(mapFolder)) cause.erase(0, mapFolder.size());
    game.client.levelError = cause;
    return false;
}

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
            return FailLevel(game, "no map " + mapName + " in " + MapFolders(game.paths), "");
        }
        for (size_t i = 0; i < game.play.players.size(); ++i)
            ApplyPlayerColour(game.play.players[i].model, static_cast<int32_t>(i));
        // Shots make copies of it: firing needs no Gpu.
        PrepareBulletModel(game.world, game.services.gpu);
        return true;
    } catch (const WorldLoadError& error) {
        return FailLevel(game, error.what(),
                         (MapFile(game.paths, mapName).parent_path() / "").string());
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
        ++game.hud.levelsEntered;
    };
}
