#include "world/level_start.h"

#include "base/random.h"
#include "world/arena_buffers.h"

namespace {

// Takes the indices out of the pool one at a time, each at random.
std::vector<uint8_t> Shuffled(std::vector<uint8_t> pool, Random& random) {
    std::vector<uint8_t> order;
    while (!pool.empty()) {
        const auto pick = static_cast<size_t>(random.Below(static_cast<int32_t>(pool.size())));
        order.push_back(pool[pick]);
        pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(pick));
    }
    return order;
}

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
    world.arena.spawnOrder = ShuffleSpawnOrder(world.arena.spawnPoints, random);
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

SpawnOrder ShuffleSpawnOrder(std::span<const tspawnpoint> spawnPoints, Random& random) {
    std::vector<uint8_t> all, blue, red;
    for (size_t i = 0; i < spawnPoints.size() && i < kMaxSpawnPoints; ++i) {
        const auto index = static_cast<uint8_t>(i);
        all.push_back(index);
        if (spawnPoints[i].team == 0) blue.push_back(index);
        if (spawnPoints[i].team == 1) red.push_back(index);
    }
    SpawnOrder order;
    order.all = Shuffled(std::move(all), random);
    order.blue = Shuffled(std::move(blue), random);
    order.red = Shuffled(std::move(red), random);
    if (order.blue.empty()) order.blue = {0};
    if (order.red.empty()) order.red = {0};
    return order;
}
