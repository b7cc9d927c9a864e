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
#include "support/players.h"
#include "support/shipped_content.h"
#include "world/level_start.h"
#include "world/model_loader.h"
#include "world/null_gpu.h"

namespace {

constexpr size_t kPlayers = 9;

// The largest map with nine players standing at its spawn points (in turn), loaded once.
struct Level {
    NullGpu gpu;
    Session session;
    World& world = session.world;
    Random& random = session.random;
    std::vector<MatchPlayer>& players = session.play.players;
    std::optional<tbullet> bullet;
    bool loaded = false;
    std::string mapName;

    Level() {
        const std::filesystem::path map = LargestShippedMap();
        if (map.empty()) return;
        mapName = map.filename().string();
        UseShippedContent(world);
        StartLevel(world, gpu, random, LevelSettings{0, 32}, map);
        const std::vector<tspawnpoint>& spawns = world.arena.spawnPoints;
        for (size_t i = 0; i < kPlayers && !spawns.empty(); ++i) {
            const tspawnpoint& spawn = spawns[i % spawns.size()];
            tgeomobject player = LoadedPlayerModel(world, gpu);
            player.position = {spawn.x + static_cast<float>(i / spawns.size()), spawn.y, spawn.z};
            AddPlayer(session, std::move(player));
        }
        bullet = LoadBulletModel(world.bulletModelFile,
                                 {world.textures, gpu, world.modelVertexCounters});
        loaded = bullet.has_value() && !spawns.empty();
    }
};

Level& TheLevel() {
    static Level level;
    return level;
}

// One mover, moved by `velocity` from `start` on every iteration.
struct Mover {
    MoverKind kind;
    int32_t self;
    tvec3 start;
    tvec3 velocity;
    float halfHeight, radius;
};

void CollideMoveOnce(benchmark::State& state, Mover (*describe)(Level&)) {
    Level& level = TheLevel();
    if (!level.loaded) {
        state.SkipWithError("no shipped map, player or bullet model in the run folder");
        return;
    }
    state.SetLabel(level.mapName);
    const CollisionWorld world = CollisionWorldOf(level.world.arena, level.players);
    const Mover mover = describe(level);
    float headroom = 0;
    for (auto _ : state) {
        tvec3 velocity = mover.velocity;
        benchmark::DoNotOptimize(CollideMove(world, mover.kind, mover.self, mover.start, velocity,
                                             mover.halfHeight, mover.radius, headroom,
                                             level.random));
        benchmark::DoNotOptimize(velocity);
    }
}

// The first player walking diagonally under gravity: every cylinder of its cell is sub-stepped.
Mover WalkingPlayer(Level& level) {
    const tgeomobject& player = level.players[0].model;
    return {MoverKind::Player,  0, player.position, {0.1f, -0.085f, 0.1f}, player.extentHalfHeight,
            player.extentRadius};
}

// A bullet leaving the first player's muzzle height at bullet speed.
Mover FlyingBullet(Level& level) {
    const tbullet& bullet = *level.bullet;
    return {MoverKind::Bullet,
            -1,
            level.players[0].model.position + tvec3{0, 0.5f, -1},
            {0, 0, -0.3f},
            bullet.extentHalfHeight,
            bullet.extentRadius};
}

BENCHMARK_CAPTURE(CollideMoveOnce, Player, WalkingPlayer);
BENCHMARK_CAPTURE(CollideMoveOnce, Bullet, FlyingBullet);

}  // namespace

BENCHMARK_MAIN();
