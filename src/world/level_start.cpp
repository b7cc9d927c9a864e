#include "world/level_start.h"

#include "base/random.h"
#include "world/arena_buffers.h"

namespace {

int32_t FirstSlotOf(const TextureTable& textures, const std::string& name) {
    for (const tteximage& image : textures.textureList) {
        if (image.name == name) return image.firstSlot;
    }
    return -1;
}

void LoadLevelTextures(World& world, Gpu& gpu) {
    Arena& arena = world.arena;
    for (const std::string* name : {&arena.sideTextureName, &arena.capTextureName,
                                    &arena.floorTextureName, &arena.skyTextureName})
        LoadTexture(world.textures, gpu, *name, 1);
    arena.floorTextureSlot = FirstSlotOf(world.textures, arena.floorTextureName);
    arena.skyTextureSlot = FirstSlotOf(world.textures, arena.skyTextureName);
}

}  // namespace

bool StartLevel(World& world, Gpu& gpu, Random& random, const LevelSettings& settings,
                const std::filesystem::path& mapPath, const LevelStartHooks& hooks) {
    const auto map = ReadMapFile(mapPath);
    if (!map) return false;

    world.levelLoaded = false;
    ReleaseArenaBuffers(world.arena, gpu);
    world.arena = Arena{};
    world.textures.textureList.clear();
    if (hooks.rebuildMenus) {
        hooks.rebuildMenus();
    } else {
        ResetTextureSlots(world.textures, gpu);
    }
    if (hooks.drawLoadingScreen) hooks.drawLoadingScreen();

    LoadMap(world, gpu, random, settings, *map, mapPath.string());
    LoadLevelTextures(world, gpu);
    world.arena.spawnClaims.clear();
    world.levelLoaded = true;
    return true;
}

void ApplyPlayerColour(tgeomobject& model, int32_t index) {
    const int32_t colour = index % kPlayerSkinFrames;
    // Caps and sides alike, so a player's whole body wears the same colour.
    for (auto* parts : {&model.triangleParts, &model.quadParts}) {
        for (tmeshpart& part : *parts) {
            auto& runs = parts == &model.triangleParts ? part.triangleRuns : part.quadRuns;
            if (runs.empty()) continue;
            ttexrun& run = runs.front();
            const auto texture = static_cast<size_t>(run.textureIndex);
            if (run.textureIndex < 0 || texture >= model.textureNames.size() ||
                model.textureNames[texture] != "PLTEX1")
                continue;
            run.textureFrames = colour + 1;
            run.textureRestartFrame = colour;
        }
    }
}
