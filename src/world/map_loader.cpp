#include "world/map_loader.h"

#include <algorithm>

#include "base/file_bytes.h"
#include "world/arena_buffers.h"
#include "world/arena_builders.h"
#include "world/collision_grid.h"
#include "world/effect_models.h"

namespace {

constexpr size_t kMaxMapFileBytes = 4 << 20;
constexpr int32_t kMaxCylinderSegments = 256;

void AddCylinders(Arena& arena, const MapDescription& map, int32_t segments, TextureTable& textures,
                  Gpu& gpu, ArenaExtent& extent) {
    for (const MapCylinder& source : map.cylinders) {
        const float centreY = source.y + source.height / 2;
        const tcylinderbounds bounds{source.x,
                                     centreY,
                                     source.z,
                                     source.radius,
                                     centreY + source.height / 2,
                                     centreY - source.height / 2};
        arena.cylinderOrder.push_back(static_cast<int32_t>(arena.cylinderBounds.size()) - 1);
        arena.cylinderBounds.push_back(bounds);
        CylinderSpec spec;
        spec.segments = segments;
        spec.capTexture = source.capTexture;
        spec.sideTexture = source.sideTexture;
        spec.radius = source.radius;
        spec.height = source.height;
        spec.centre = {source.x, centreY, source.z};
        arena.arenaCylinders.push_back(BuildCylinder(spec, textures, gpu));
        extent.Include(bounds);
    }
}

// Highest top first; a plain exchange sort, so equal tops keep a predictable order.
void SortByDescendingTop(Arena& arena) {
    auto& order = arena.cylinderOrder;
    const auto top = [&](int32_t cylinder) {
        return arena.cylinderBounds[static_cast<size_t>(cylinder) + 1].top;
    };
    for (size_t i = 0; i < order.size(); ++i) {
        for (size_t j = i + 1; j < order.size(); ++j) {
            if (top(order[j]) > top(order[i])) std::swap(order[i], order[j]);
        }
    }
}

void AddPickupsAndFlags(Arena& arena, TextureTable& textures, Gpu& gpu) {
    arena.sideExplosion = BuildExplosionModel(false, textures, gpu);
    arena.topExplosion = BuildExplosionModel(true, textures, gpu);
    CylinderSpec charger;
    charger.segments = 4;
    charger.colour = 0xFFFFFF;
    charger.capTexture = "chargercap";
    charger.sideTexture = "charger";
    charger.radius = 0.5f;
    charger.height = 1;
    arena.chargerModel = BuildCylinder(charger, textures, gpu);
    FlagSpec flag;
    flag.home = arena.blueFlagHome;
    arena.blueFlag = BuildFlag(flag, textures, gpu);
    flag.clothTexture = "flsidered";
    flag.home = arena.redFlagHome;
    arena.redFlag = BuildFlag(flag, textures, gpu);
}

}  // namespace

int32_t CylinderSegments(const LevelSettings& settings) {
    if (settings.detailLevel == 1) return 16;
    if (settings.detailLevel >= 2) return 8;
    return std::clamp(settings.cylinderSideCount, 1, kMaxCylinderSegments);
}

std::optional<MapDescription> ReadMapFile(const std::filesystem::path& path) {
    const auto bytes = ReadFileBytes(path, kMaxMapFileBytes);
    if (!bytes) return std::nullopt;
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    return ParseMapFile(text, path.string());
}

void LoadMap(World& world, Gpu& gpu, Random& random, const LevelSettings& settings,
             const MapDescription& map, std::string_view fileName) {
    world.modelVertexCounters = {};
    Arena arena;
    arena.floorTextureName = map.floorTextureName;
    arena.skyTextureName = map.skyTextureName;
    arena.capTextureName = map.capTextureName;
    arena.sideTextureName = map.sideTextureName;
    arena.spawnPoints = map.spawnPoints;
    arena.chargerPoints = map.chargers;
    arena.blueFlagHome = map.blueFlagHome;
    arena.redFlagHome = map.redFlagHome;
    arena.cylinderBounds = {kGroundBounds};
    try {
        ArenaExtent extent;
        AddCylinders(arena, map, CylinderSegments(settings), world.textures, gpu, extent);
        arena.collisionGrid = BuildCollisionGrid(arena.cylinderBounds, extent, fileName);
        SortByDescendingTop(arena);
        AddPickupsAndFlags(arena, world.textures, gpu);
        UploadArenaBuffers(arena, gpu);
        BuildArenaBatches(arena);

        if (world.playerTemplate) {
            world.playerTemplate->triangles.reset();
            world.playerTemplate->quads.reset();
        }
        auto playerTemplate =
            LoadModel(world.playerModelFile, {world.textures, gpu, world.modelVertexCounters},
                      false, world.sharedMesh);
        if (playerTemplate) world.playerTemplate = std::move(*playerTemplate);
        if (world.playerTemplate) UploadPlayerBuffers(arena, *world.playerTemplate, gpu);
        UploadShadowBuffers(arena, random, gpu);
    } catch (...) {
        ReleaseArenaBuffers(arena, gpu);
        throw;
    }
    ReleaseArenaBuffers(world.arena, gpu);
    world.arena = std::move(arena);
}
