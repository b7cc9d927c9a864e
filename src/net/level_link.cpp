#include "net/level_link.h"

#include "net/session.h"

bool LoadLevel(Session& session, const std::string& mapName) {
    const LevelHooks& hooks = session.client.levelHooks;
    std::string& error = session.client.levelError;
    error.clear();
    if (hooks.startLevel && hooks.startLevel(session, mapName)) return true;
    if (error.empty()) error = "the map " + mapName + " cannot be loaded";
    return false;
}
