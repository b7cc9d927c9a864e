// The content the game ships, as tests and benchmarks reach it: the run folder the build
// assembles (data/ with the generated textures and sounds), the shipped maps, and the shipped
// models, built alone or loaded as the game loads them.
#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "world/world.h"

class Gpu;

inline const std::filesystem::path kRunDir = ZARNOK_RUN_DIR;
inline const std::filesystem::path kDataDir = std::filesystem::path(ZARNOK_SOURCE_DIR) / "data";

// A whole file as text; empty when it cannot be read.
std::string FileText(const std::filesystem::path& file);
// The .map files of the run folder, in order of name.
std::vector<std::filesystem::path> ShippedMaps();
// Points the world at the run folder's player and bullet models and textures.
void UseShippedContent(World& world);

// A model file built without textures or a Gpu: the geometry, parts and poses only.
tgeomobject BuiltModel(const std::filesystem::path& file);
// A shipped model (data/player.txt, data/bullet.txt) built so.
tgeomobject ShippedModel(const char* file = "player.txt");
// The world's player model file loaded as the game loads it, drawing the world's shared mesh.
tgeomobject LoadedPlayerModel(World& world, Gpu& gpu);
