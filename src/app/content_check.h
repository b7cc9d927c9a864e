// The content the game cannot run without, checked before the first menu shows: the player and
// bullet models (with the skins they name), the arena's default textures and every menu picture.
// Without them a match would show half a sky and no players, or the menus nothing readable.
#pragma once

struct Game;

// Throws WorldLoadError naming the first file that is missing or cannot be read (with the line,
// for a model). Runs after the menus were built, whose pictures it finds in the texture table.
void CheckRequiredContent(const Game& game);
