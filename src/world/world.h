// World: textures, the arena and the model templates of the current level.
#pragma once
#include "world/geom_object.h"
#include "world/textures.h"

struct World {
    TextureTable textures;
    ModelVertexCounters modelVertexCounters;
};
