// Level link: how the network starts a level (the host's first map, a joiner's map, the next map
// after a level end) and what entering a game does above the network. The program installs the
// real level loader and camera framing at start-up (app/level_loading.h); tests install their own.
#pragma once
#include <functional>
#include <string>

struct Session;

struct LevelHooks {
    // Loads maps/<name> into the world; false when the map cannot be loaded.
    std::function<bool(Session&, const std::string& mapName)> startLevel;
    // The local player enters the level: the views frame it.
    std::function<void(Session&)> enteredGame;
};

// False when no loader is installed or the map cannot be loaded; the client's levelError then
// says why.
bool LoadLevel(Session& session, const std::string& mapName);
