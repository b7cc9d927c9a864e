// How long LoadModel takes for a player-sized model: 20 parts, 12 animations, 8 poses a part;
// and what start-up's check of the content it cannot run without adds before the first menu.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/content_check.h"
#include "app/game.h"
#include "support/shipped_content.h"
#include "world/model_loader.h"
#include "world/null_gpu.h"

namespace {

std::string BigModel() {
    std::string text;
    for (int part = 0; part < 20; ++part) {
        const bool sphere = part % 5 == 4;
        text += sphere ? "TYPE\nSPHERE\n" : "TYPE\nCYLINDER\n";
        text += "NAME\npart" + std::to_string(part) + "\nTEXNAME\nPLTEX1\n";
        text += "POSITION\n0 " + std::to_string(part * 0.1) + " 0 0.2 0.8\nSEGS\n12 3\n";
        for (int pose = 0; pose < 8; ++pose) {
            text += "SHIFT\n0.1 " + std::to_string(pose * 0.05) + " 0\n";
            if (!sphere) text += "ROTATIONZ\n" + std::to_string(pose * 5) + " 10 3\n";
        }
        text += "ANIMATIONS\n12\n";
        for (int animation = 0; animation < 12; ++animation) {
            text += "ANIMNAME\nanim" + std::to_string(animation) + "\nINTERVAL\n100\n";
            text += "ANIM\n8 0 1 2 3 4 5 6 7\n";
        }
    }
    return text;
}

void BM_LoadModel(benchmark::State& state) {
    const auto dir = std::filesystem::temp_directory_path() / "zarnok-bench-model";
    std::filesystem::create_directories(dir);
    const auto file = dir / "player.txt";
    std::ofstream(file) << BigModel();
    NullGpu gpu;
    TextureTable textures;
    textures.texturesDir = dir;
    ModelVertexCounters counters;
    SharedMesh shared;
    for (auto _ : state) {
        ResetTextureSlots(textures, gpu);
        auto model = LoadModel(file, {textures, gpu, counters}, false, shared);
        benchmark::DoNotOptimize(model);
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_LoadModel)->Unit(benchmark::kMicrosecond);

// Both shipped models with their skins and the arena's default textures, read and built without
// a Gpu (the menu pictures it also checks are already loaded by then).
void BM_CheckRequiredContent(benchmark::State& state) {
    auto game = std::make_unique<Game>();
    game->paths.texturesDir = kRunDir / "textures";
    UseShippedContent(game->world);
    for (auto _ : state) CheckRequiredContent(*game);
}
BENCHMARK(BM_CheckRequiredContent)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
