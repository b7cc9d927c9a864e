// The HUD's share of a frame at 1280x1024 (Mesa llvmpipe under Xvfb): all three groups with
// everything showing at once (nine message lines, reload bar, team scores, flag warning,
// winner, and the statistics table of nine players), drawn alone into a cleared window, against
// the same HUD with the statistics table hidden. "cpu_ms" is the calling thread's CPU time per
// HUD, "fps" how many HUDs per second the driver finishes.
#include <benchmark/benchmark.h>

#include <ctime>

#include "app/hud_words.h"
#include "render/hud.h"
#include "support/gl/render_harness.h"

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 1024;

double ThreadCpuSeconds() {
    timespec time{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) * 1e-9;
}

struct BusyHud {
    BusyHud() {
        harness.LoadMap("ctf.map");
        harness.ShowHud(hud);
        for (int i = 0; i < 9; ++i) {
            lines.push_back("Player" + std::to_string(i) + " killed Player" +
                            std::to_string(8 - i));
            players.emplace_back();
            players.back().name.Assign("Player" + std::to_string(i));
            players.back().frags = static_cast<int8_t>(i * 3 % 7);
            players.back().team = static_cast<uint8_t>(i % 2);
        }
        hud.messageLines = lines;
        hud.texts = HudTextsIn(Language::kEnglish);
        hud.players = players;
        hud.gameType = kCaptureTheFlag;
        hud.blueFlagTaken = true;
        hud.blinkOn = true;
        hud.gameOver = true;
        hud.winnerLine = "Blue team is the winner";
        hud.weapon.reloadStart = 0;
        hud.weapon.reloadDuration = 1000;
    }

    RenderHarness harness{kWidth, kHeight};
    HudInput hud;
    std::vector<std::string> lines;
    std::vector<tplayerinfo> players;
};

BusyHud& Busy() {
    static BusyHud* busy = new BusyHud;
    return *busy;
}

void DrawHud(benchmark::State& state, bool statistics) {
    BusyHud& busy = Busy();
    busy.hud.gameOver = statistics;
    const RenderScene scene = [&] {
        RenderScene s = busy.harness.Scene();
        s.hud = &busy.hud;
        return s;
    }();
    glViewport(0, 0, kWidth, kHeight);
    double cpu = 0;
    uint32_t now = 100;
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT);
        const double start = ThreadCpuSeconds();
        DrawAmmunitionHud(scene, now);
        DrawPlayerHud(scene);
        DrawMatchHud(scene);
        glFinish();
        cpu += ThreadCpuSeconds() - start;
        now = (now + 16) % 1000;
    }
    state.counters["fps"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["cpu_ms"] = cpu * 1000 / static_cast<double>(state.iterations());
}

void WholeHud(benchmark::State& state) {
    DrawHud(state, true);
}
void HudWithoutStatistics(benchmark::State& state) {
    DrawHud(state, false);
}

BENCHMARK(WholeHud)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(HudWithoutStatistics)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

}  // namespace

BENCHMARK_MAIN();
