#include "net/level_link.h"

#include "net/session.h"

bool LoadLevel(Session& session, const std::string& mapName) {
    const LevelHooks& hooks = session.client.levelHooks;
    return hooks.startLevel && hooks.startLevel(session, mapName);
}
