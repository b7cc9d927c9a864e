// StartLevel: replaces the current level with the one in a map file. It reads the map first (a
// bad map leaves the running level as it was), then drops the old level, rebuilds the texture
// slots, builds the arena, loads the floor, sky and cylinder textures, gives each player model
// its colour and shuffles the spawn orders. Called by the host when a game starts, by a joining
// client, and by every machine at a level change; the caller keeps the program-wide flags
// (connecting, game over, scores, magazines, menu state, view and camera set-up).
#pragma once
#include <filesystem>
#include <functional>
#include <span>

#include "world/map_loader.h"

class Gpu;
class Random;

struct LevelStartHooks {
    // Regenerates the texture slots and loads the in-game menu pictures into them. Without it
    // the slots are only regenerated.
    std::function<void()> rebuildMenus;
    // Shows the loading picture while the level builds.
    std::function<void()> drawLoadingScreen;
};

// False when the map file does not exist (nothing changes then). Throws WorldLoadError for a bad
// map or a model or picture that cannot be read; world.levelLoaded tells whether a level stands.
bool StartLevel(World& world, Gpu& gpu, Random& random, const LevelSettings& settings,
                const std::filesystem::path& mapPath, const LevelStartHooks& hooks = {});

// Each player index shows its own frame of the "PLTEX1" skin, on every part that wears it.
void ApplyPlayerColour(tgeomobject& model, int32_t index);
