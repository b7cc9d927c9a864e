// BuildMenus: builds the menu entries and screens of a running game from its user settings,
// display modes, map files and found servers. Called at start-up (main-menu variant) and at every
// level start (in-game variant); the screens' contents return to what the settings say.
#pragma once
#include "ui/menus.h"

struct Game;

void BuildMenus(Game& game, MenuVariant variant);
