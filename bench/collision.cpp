// What one CollideMove call costs on the largest shipped map, headless: a player walking among
// eight others, and a bullet in flight, each over the cylinders of its grid cell.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/random.h"
#include "game/collision.h"
#include "shipped_maps.h"
#include "world/level_start.h"
#include "world/model_loader.h"
#include "world/null_gpu.h"

namespace {

constexpr int kPlayers = 9;

// The largest map with nine players standing at its spawn points (in turn), loaded once.
struct Level {
    NullGpu gpu;
    Random random;
    World world;
    std::vector<tgeomobject> players;
    std::optional<tbullet> bullet;
    bool loaded = false;
    std::string mapName;

    Level() {
        const std::filesystem::path map = LargestShippedMap();
        if (map.empty()) return;
        mapName = map.filename().string();
        const std::filesystem::path run(ZARNOK_RUN_DIR);
        world.textures.texturesDir = run / "textures";
        world.playerModelFile = run / "player.txt";
        players.resize(kPlayers);
        StartLevel(world, gpu, random, LevelSettings{0, 32}, map, players);
        ModelLoadContext context{world.textures, gpu, world.modelVertexCounters};
        for (tgeomobject& player : players) {
            player = *LoadModel(world.playerModelFile, context, true, world.sharedMesh);
        }
        bullet = LoadBulletModel(run / "bullet.txt", context);
        const std::vector<tspawnpoint>& spawns = world.arena.spawnPoints;
        for (size_t i = 0; i < players.size() && !spawns.empty(); ++i) {
            const tspawnpoint& spawn = spawns[i % spawns.size()];
            players[i].position = {spawn.x + static_cast<float>(i / spawns.size()), spawn.y,
                                   spawn.z};
        }
        loaded = bullet.has_value() && !spawns.empty();
    }
};

Level& TheLevel() {
    static Level level;
    return level;
}

void BM_CollideMovePlayer(benchmark::State& state) {
    Level& level = TheLevel();
    if (!level.loaded) {
        state.SkipWithError("no shipped map, player or bullet model in the run folder");
        return;
    }
    state.SetLabel(level.mapName);
    const CollisionWorld world = CollisionWorldOf(level.world.arena, level.players);
    tgeomobject& player = level.players[0];
    for (auto _ : state) {
        // Walking diagonally under gravity: every cylinder of the cell is sub-stepped.
        tvec3 velocity{0.1f, -0.085f, 0.1f};
        benchmark::DoNotOptimize(CollideMove(world, MoverKind::Player, 0, player.position, velocity,
                                             player.extentHalfHeight, player.extentRadius,
                                             player.headroom, level.random));
        benchmark::DoNotOptimize(velocity);
    }
}
BENCHMARK(BM_CollideMovePlayer);

void BM_CollideMoveBullet(benchmark::State& state) {
    Level& level = TheLevel();
    if (!level.loaded) {
        state.SkipWithError("no shipped map, player or bullet model in the run folder");
        return;
    }
    state.SetLabel(level.mapName);
    const CollisionWorld world = CollisionWorldOf(level.world.arena, level.players);
    const tbullet& bullet = *level.bullet;
    // Leaving the first player's muzzle height at bullet speed.
    const tvec3 start = level.players[0].position + tvec3{0, 0.5f, -1};
    float scratch = 0;
    for (auto _ : state) {
        tvec3 velocity{0, 0, -0.3f};
        benchmark::DoNotOptimize(CollideMove(world, MoverKind::Bullet, -1, start, velocity,
                                             bullet.extentHalfHeight, bullet.extentRadius, scratch,
                                             level.random));
        benchmark::DoNotOptimize(velocity);
    }
}
BENCHMARK(BM_CollideMoveBullet);

}  // namespace

BENCHMARK_MAIN();
