// World: textures, the arena and the model templates of the current level.
#pragma once
#include <filesystem>
#include <optional>

#include "config/content_paths.h"
#include "world/arena.h"
#include "world/geom_object.h"
#include "world/model_loader.h"
#include "world/textures.h"

struct World {
    TextureTable textures;
    ModelVertexCounters modelVertexCounters;

    Arena arena;
    bool levelLoaded = false;

    // Every player draws the template's mesh; the template is reloaded at each level start.
    std::filesystem::path playerModelFile = "player.txt";
    std::filesystem::path bulletModelFile = "bullet.txt";
    std::optional<tgeomobject> playerTemplate;
    SharedMesh sharedMesh;
};

// Points the texture and model loaders at the content folders.
void UseContentPaths(World& world, const ContentPaths& paths);
