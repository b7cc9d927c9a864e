// The map file reader: sections of texture names, spawn points, chargers, flag homes and, to the
// end of the file, cylinder lines. Section keywords are exact and stay in force: a line that is
// not a keyword makes the current section read again after it. The result is only data; the map
// loader builds the level from it.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "world/arena.h"

struct MapCylinder {
    float x = 0, y = 0, z = 0;  // y is the base height
    float radius = 0, height = 0;
    std::string capTexture, sideTexture;  // the names in force on its line
};

struct MapDescription {
    std::string floorTextureName = "floortex";
    std::string skyTextureName = "skytex";
    std::string capTextureName = "cylcap";  // as left by the end of the file
    std::string sideTextureName = "cylside";
    std::vector<tspawnpoint> spawnPoints;
    std::vector<tcharger> chargers;
    tvec3 blueFlagHome, redFlagHome;
    std::vector<MapCylinder> cylinders;
};

inline constexpr size_t kMaxChargers = 1024;
inline constexpr size_t kMaxCylinders = 4096;

// Throws WorldLoadError naming `fileName` and the line for a value that is not a number, a
// cylinder line of fewer than five words, a negative size or count, a map without cylinders, or
// more spawn points, chargers or cylinders than a level can hold. Blank cylinder lines are skipped.
MapDescription ParseMapFile(std::string_view text, std::string_view fileName);
