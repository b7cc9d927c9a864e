#include "net/level_link.h"

#include "app/game.h"

bool LoadLevel(Game& game, const std::string& mapName) {
    const LevelHooks& hooks = game.client.levelHooks;
    return hooks.startLevel && hooks.startLevel(game, mapName);
}
