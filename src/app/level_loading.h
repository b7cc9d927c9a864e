// The program's level loader and game entry, installed into the network's level hooks at start-up:
// StartLevel on maps/<name> with the in-game menus rebuilt and the loading picture shown on the
// way, and the view cameras framed on the local player when it enters a level.
#pragma once

struct Game;

void InstallLevelHooks(Game& game);
