// How long a level start takes on the largest shipped map, headless: map reading, cylinders,
// grid, textures decoded from the run folder, player template and every vertex buffer staged.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <vector>

#include "base/random.h"
#include "shipped_maps.h"
#include "world/level_start.h"
#include "world/null_gpu.h"

namespace {

void BM_StartLevelOnLargestMap(benchmark::State& state) {
    const std::filesystem::path map = LargestShippedMap();
    if (map.empty()) {
        state.SkipWithError("no shipped maps in the run folder");
        return;
    }
    state.SetLabel(map.filename().string());
    NullGpu gpu;
    Random random;
    World world;
    UseShippedContent(world);
    const LevelSettings settings{static_cast<int32_t>(state.range(0)), 32};
    for (auto _ : state) {
        StartLevel(world, gpu, random, settings, map);
        benchmark::DoNotOptimize(world.arena.arenaCylinders.data());
    }
}
BENCHMARK(BM_StartLevelOnLargestMap)
    ->Arg(0)
    ->Arg(2)
    ->ArgName("detail")
    ->Unit(benchmark::kMillisecond);

void BM_ReadMapFile(benchmark::State& state) {
    const std::filesystem::path map = LargestShippedMap();
    if (map.empty()) {
        state.SkipWithError("no shipped maps in the run folder");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(ReadMapFile(map));
}
BENCHMARK(BM_ReadMapFile)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
