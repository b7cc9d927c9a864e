// LoadMap: builds a level from a parsed map. The cylinders with their collision records and grid,
// the charger, the flags, the explosion models, the player shadow, the arena, player-mesh and
// shadow-disc vertex buffers, and the player template all come from here. Called by StartLevel.
#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "world/map_file.h"
#include "world/world.h"

class Gpu;
class Random;

// What the user and the tuning ask of the arena's detail.
struct LevelSettings {
    int32_t detailLevel = 0;         // 0 high, 1 medium, 2 low
    int32_t cylinderSideCount = 32;  // segments at high detail
};

// Segments around an arena cylinder at the given detail.
int32_t CylinderSegments(const LevelSettings& settings);

// The parsed map; nullopt when the file does not exist. Throws WorldLoadError for a bad map.
std::optional<MapDescription> ReadMapFile(const std::filesystem::path& path);

// Builds the whole level into world.arena (replacing it only on success) and reloads the player
// template. On an error nothing half-built is kept: the buffers made so far are released and
// the error propagates.
void LoadMap(World& world, Gpu& gpu, Random& random, const LevelSettings& settings,
             const MapDescription& map, std::string_view fileName);
