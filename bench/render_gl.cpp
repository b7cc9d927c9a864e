// Frames of the split view and the chase view on the largest shipped map (ctf.map) with nine
// players and a hundred bullets in flight, at 1280x1024 in an Xvfb window (Mesa llvmpipe there).
// Each iteration draws one frame and waits for the GL to finish it, so the rate is the frame rate;
// "cpu_ms" is the calling thread's CPU time per frame (our scene walk plus the GL driver's
// command handling; llvmpipe rasterises on its own threads).
#include <benchmark/benchmark.h>

#include <ctime>

#include "../tests/gl/support/render_harness.h"
#include "render/gl_state.h"
#include "render/scene_passes.h"

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 1024;
constexpr int kPlayers = 9;
constexpr int kBullets = 100;

double ThreadCpuSeconds() {
    timespec time{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) * 1e-9;
}

RenderHarness& Battle() {
    static RenderHarness* harness = [] {
        auto* battle = new RenderHarness(kWidth, kHeight);
        battle->LoadMap("ctf.map");
        battle->captureTheFlag = true;
        const auto& spawns = battle->world.arena.spawnPoints;
        for (int i = 0; i < kPlayers; ++i) {
            const tspawnpoint& spawn = spawns[static_cast<size_t>(i) % spawns.size()];
            // Everyone near the local player, so all of them are on screen.
            const float x = spawns[0].x + static_cast<float>(i % 3) * 3.0f;
            const float z = spawns[0].z - static_cast<float>(i / 3) * 3.0f;
            battle->AddPlayer({x, spawns[0].y, z}, spawn.angle, i % 2 ? "walk" : "sprint");
        }
        for (int i = 0; i < kBullets; ++i) {
            const float along = static_cast<float>(i) * 0.4f;
            battle->AddBullet({spawns[0].x - 10 + along, spawns[0].y + 0.5f, spawns[0].z - along},
                              static_cast<float>(i * 7));
        }
        battle->explosions.push_back({{spawns[0].x, spawns[0].y, spawns[0].z - 4}, 0, 0, 0});
        return battle;
    }();
    return *harness;
}

template <void (RenderHarness::*Draw)(uint32_t)>
void DrawFrames(benchmark::State& state) {
    RenderHarness& battle = Battle();
    uint32_t now = 100000;
    double cpu = 0;
    for (auto _ : state) {
        const double start = ThreadCpuSeconds();
        (battle.*Draw)(now);
        cpu += ThreadCpuSeconds() - start;
        battle.Swap();
        now += 16;
    }
    state.counters["fps"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["cpu_ms"] = cpu * 1000 / static_cast<double>(state.iterations());
}

void SplitView(benchmark::State& state) {
    DrawFrames<&RenderHarness::DrawSplit>(state);
}
void ChaseView(benchmark::State& state) {
    DrawFrames<&RenderHarness::DrawChase>(state);
}

// One pass alone into a single-pixel viewport: what remains is the CPU cost of issuing it (our
// walk over the scene plus the driver's per-call and per-vertex work), not rasterisation.
template <void (*Pass)(const RenderScene&, uint32_t)>
void IssuePass(benchmark::State& state) {
    RenderHarness& battle = Battle();
    const RenderScene scene = battle.Scene();
    glViewport(0, 0, 1, 1);
    glLoadIdentity();
    gluPerspective(5, 1, 1, 1000);
    gluLookAt(0, 400, -15, 0, 0, -15, 0, 0, -1);
    ApplyPlayerFrame(battle.players.front());
    uint32_t now = 100000;
    for (auto _ : state) {
        Pass(scene, now);
        glFinish();
        now += 16;
    }
}

void SolidCylinders(const RenderScene& scene, uint32_t) {
    EnableVertexArrays();
    DrawSolidCylinders(scene);
    DisableVertexArrays();
}
void MovingModels(const RenderScene& scene, uint32_t now) {
    EnableVertexArrays();
    DrawMovingModels(scene, now, FlagLighting::kUnlit);
    DisableVertexArrays();
}

BENCHMARK(IssuePass<SolidCylinders>)->Name("IssueSolidCylinders")->Unit(benchmark::kMicrosecond);
BENCHMARK(IssuePass<MovingModels>)->Name("IssueMovingModels")->Unit(benchmark::kMicrosecond);

BENCHMARK(SplitView)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
BENCHMARK(ChaseView)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

}  // namespace

BENCHMARK_MAIN();
