#include "app/content_check.h"

#include <string>

#include "app/game.h"
#include "base/load_error.h"
#include "world/model_loader.h"
#include "world/null_gpu.h"

namespace {

void RequirePictures(const TextureTable& table) {
    for (const tteximage& image : table.textureList) {
        if (image.width <= 0) {
            ThrowFileError(table.texturesDir / image.name,
                           "the picture is missing (neither .bmp nor .tga)");
        }
    }
}

}  // namespace

void CheckRequiredContent(const Game& game) {
    RequirePictures(game.world.textures);

    // A scratch table: the check must not take slots the level will want.
    NullGpu gpu;
    TextureTable textures;
    textures.texturesDir = game.paths.texturesDir;
    ResetTextureSlots(textures, gpu);
    ModelVertexCounters counters;
    const ModelLoadContext context{textures, gpu, counters};
    SharedMesh shared;
    if (!LoadModel(game.world.playerModelFile, context, false, shared)) {
        ThrowFileError(game.world.playerModelFile, "the file is missing");
    }
    if (!LoadBulletModel(game.world.bulletModelFile, context)) {
        ThrowFileError(game.world.bulletModelFile, "the file is missing");
    }
    const Arena defaults;
    for (const std::string* name : {&defaults.floorTextureName, &defaults.skyTextureName,
                                    &defaults.capTextureName, &defaults.sideTextureName})
        LoadTexture(textures, gpu, *name, 1);
    RequirePictures(textures);
}
