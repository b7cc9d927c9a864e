// Level link: how the network starts a level (the host's first map, a joiner's map, the next map
// after a level end): the world's StartLevel on maps/<name>, rebuilding the in-game menus and
// showing the loading picture on the way. Tests may stand in for it with Client::startLevel.
#pragma once
#include <string>

struct Game;

// False when the map does not exist, cannot be loaded, or there is no Gpu to load it with.
bool LoadLevel(Game& game, const std::string& mapName);
