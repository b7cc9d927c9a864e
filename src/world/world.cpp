#include "world/world.h"

void UseContentPaths(World& world, const ContentPaths& paths) {
    world.textures.texturesDir = paths.texturesDir;
    world.playerModelFile = paths.playerModelFile;
    world.bulletModelFile = paths.bulletModelFile;
}
