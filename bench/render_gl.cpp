// Whole frames of both views on the shipped maps (arena, ctf, towers) in a busy match: nine
// players, a hundred bullets in flight, ten explosions and every player's muzzle flash, with the
// HUD of a match under way, at 1280x1024 in an Xvfb window (Mesa llvmpipe there). Each iteration
// draws one frame, waits for the GL to finish it and swaps, so "fps" is the frame rate.
//
// ClearAndSwap, run first, is the same window with nothing but the clear (the views' own) and the
// swap; every view benchmark reports "of_clear_swap", its frame rate as a share of that one
// measured in the same run, which stays comparable across machines and while others load this one.
//
// "culled_cyl" counts the arena cylinders a frame leaves out, over all its views, as wholly
// outside a view's volume (off screen, or nearer than the side view's cut-away plane);
// "hidden_cyl" and "hidden_sides" the cylinders and single sides the chase view leaves out as
// hidden behind nearer cylinders.
//
// "cpu_ms" is the drawing thread's CPU time per frame for the scene: our scene walk plus the
// driver's command handling and llvmpipe's vertex work (it rasterises on threads of its own). The
// Commands benchmarks scissor the frame to one pixel, so what remains is that CPU cost alone.
//
// "shaded_px" is the fragment shader's invocations per frame, in windows full: llvmpipe shades
// 4x4 blocks whole, so a block a triangle only touches counts in full, and so does one the depth
// test rejects. Unlike the frame rate it does not move with the machine's load, so it tells
// whether a change lets the rasteriser do less. It is counted over a few extra frames after the
// timed ones (reading it back waits for the frame), and left out where the driver cannot count it.
//
// With ZARNOK_BENCH_PICTURES=DIR each view benchmark leaves its last frame in DIR as a PPM picture,
// to compare what the player sees before and after a change.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <ctime>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "app/hud_words.h"
#include "game/player_models.h"
#include "render/gl_state.h"
#include "support/gl/gl_queries.h"
#include "support/gl/render_harness.h"

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 1024;
constexpr int kPlayers = 9;
constexpr int kBullets = 100;
constexpr int kExplosions = 10;
constexpr std::array kMaps = {"arena.map", "ctf.map", "towers.map"};

double CpuSeconds(clockid_t clock) {
    timespec time{};
    clock_gettime(clock, &time);
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) * 1e-9;
}

// CPU time of every thread of the process (ours and llvmpipe's) per frame, in ms: the work a frame
// takes, which unlike the frame rate hardly moves when other programs load the machine.
void CountWork(benchmark::State& state, double processStart) {
    state.counters["work_ms"] = (CpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - processStart) * 1000 /
                                static_cast<double>(state.iterations());
}

RenderHarness& Window() {
    static auto* harness = new RenderHarness(kWidth, kHeight);
    return *harness;
}

// The HUD of a match under way: scores and a flag warning, the local player's ammunition during
// a reload, and a full message log; the statistics table stays hidden as it does without Tab.
struct MatchHud {
    std::vector<std::string> lines;
    std::vector<tplayerinfo> players;
    HudInput input;
};

MatchHud& Hud() {
    static MatchHud* hud = [] {
        auto* match = new MatchHud;
        for (int i = 0; i < kPlayers; ++i) {
            match->lines.push_back("Player" + std::to_string(i) + " killed Player" +
                                   std::to_string(kPlayers - 1 - i));
            tplayerinfo& player = match->players.emplace_back();
            player.name.Assign("Player" + std::to_string(i));
            player.team = static_cast<uint8_t>(i % 2);
        }
        HudInput& input = match->input;
        input.texts = HudTextsIn(Language::kEnglish);
        input.kills = 7;
        input.deaths = 3;
        input.weapon = {
            .roundsLeft = 12, .spareMagazines = 3, .reloadStart = 0, .reloadDuration = 1000};
        input.gameType = kCaptureTheFlag;
        input.blueScore = 2;
        input.redScore = 1;
        input.redFlagTaken = true;
        input.players = match->players;
        input.messageLines = match->lines;
        input.blinkOn = true;
        return match;
    }();
    return *hud;
}

// The muzzle models the flashes point at; a deque keeps them in place as it grows.
std::deque<tgeomobject>& MuzzleModels() {
    static std::deque<tgeomobject> models;
    return models;
}

// A match in full swing on `map`, around its first spawn point: the players stand close together
// so all of them are on screen, the bullets fly across them and the explosions go off among them.
void StageBattle(RenderHarness& battle, const std::string& map) {
    battle.muzzleFlashes.clear();
    battle.explosions.clear();
    MuzzleModels().clear();
    battle.LoadMap(map);
    battle.captureTheFlag = map == "ctf.map";
    const auto& spawns = battle.world.arena.spawnPoints;
    const tspawnpoint centre = spawns.front();
    for (int i = 0; i < kPlayers; ++i) {
        const float x = centre.x + static_cast<float>(i % 3) * 3.0f;
        const float z = centre.z - static_cast<float>(i / 3) * 3.0f;
        const float yaw = spawns[static_cast<size_t>(i) % spawns.size()].angle;
        battle.AddPlayer({x, centre.y, z}, yaw, i % 2 ? "walk" : "sprint");
    }
    for (const MatchPlayer& slot : battle.players) {
        const tgeomobject& player = slot.model;
        for (bool top : {false, true}) {
            tgeomobject& muzzle = MuzzleModels().emplace_back(
                BuildMuzzleModel(player, top, battle.world.textures, battle.gpu()));
            muzzle.position = player.position;
            muzzle.yaw = player.yaw;
        }
        const size_t count = MuzzleModels().size();
        battle.muzzleFlashes.push_back({&MuzzleModels()[count - 2], &MuzzleModels()[count - 1], 0});
    }
    for (int i = 0; i < kBullets; ++i) {
        const float along = static_cast<float>(i) * 0.4f;
        battle.AddBullet({centre.x - 10 + along, centre.y + 0.5f, centre.z - along},
                         static_cast<float>(i * 7));
    }
    for (int i = 0; i < kExplosions; ++i) {
        const float step = static_cast<float>(i);
        battle.explosions.push_back(
            {{centre.x - 4 + step, centre.y + 1, centre.z - 4 + step * 0.5f},
             step * 10,
             step * 36,
             step * 36});
    }
    battle.ShowHud(Hud().input);
}

RenderHarness& Battle(const std::string& map) {
    static std::string staged;
    RenderHarness& battle = Window();
    if (staged != map) {
        StageBattle(battle, map);
        staged = map;
    }
    return battle;
}

// Every player has just fired, so every flash is on screen.
void FireAll(RenderHarness& battle, uint32_t now) {
    for (MuzzleFlash& flash : battle.muzzleFlashes) flash.shotTime = now;
}

double& ClearAndSwapFps() {
    static double fps = 0;
    return fps;
}

void ClearAndSwap(benchmark::State& state) {
    RenderHarness& window = Window();
    const double processStart = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    for (auto _ : state) {
        glClearColor(1, 1, 1, 1);
        ClearDepthAndStencil(true);
        glFinish();
        window.Swap();
    }
    CountWork(state, processStart);
    state.counters["fps"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// Fragment shader invocations per frame over `frames` frames drawn by `draw`, in windows full,
// or nothing when the driver has no pipeline statistics.
std::optional<double> ShadedWindowsPerFrame(const std::function<void(uint32_t)>& draw, int frames) {
    const auto invocations = CountDuring(GL_FRAGMENT_SHADER_INVOCATIONS_ARB, [&] {
        for (int frame = 0; frame < frames; ++frame)
            draw(static_cast<uint32_t>(200000 + 16 * frame));
    });
    if (!invocations) return std::nullopt;
    return static_cast<double>(*invocations) / frames / (kWidth * kHeight);
}

enum class View { kSplit, kChase };

void DrawView(RenderHarness& battle, View view, uint32_t now) {
    FireAll(battle, now);
    if (view == View::kSplit) {
        battle.DrawSplit(now);
    } else {
        battle.DrawChase(now);
    }
}

void Frames(benchmark::State& state, View view, const std::string& map) {
    RenderHarness& battle = Battle(map);
    uint32_t now = 100000;
    double cpu = 0;
    SceneCounts counts;
    battle.counts = &counts;
    const double processStart = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    for (auto _ : state) {
        const double start = CpuSeconds(CLOCK_THREAD_CPUTIME_ID);
        DrawView(battle, view, now);
        cpu += CpuSeconds(CLOCK_THREAD_CPUTIME_ID) - start;
        battle.Swap();
        now += 16;
    }
    const auto frames = static_cast<double>(state.iterations());
    state.counters["fps"] = benchmark::Counter(frames, benchmark::Counter::kIsRate);
    state.counters["cpu_ms"] = cpu * 1000 / frames;
    state.counters["culled_cyl"] = counts.cylindersOutsideView / frames;
    state.counters["hidden_cyl"] = counts.cylindersHidden / frames;
    state.counters["hidden_sides"] = counts.sidesHidden / frames;
    battle.counts = nullptr;
    CountWork(state, processStart);
    if (const auto shaded =
            ShadedWindowsPerFrame([&](uint32_t at) { DrawView(battle, view, at); }, 10))
        state.counters["shaded_px"] = *shaded;
    // Filled in by the reporter once the rate is known: see SharesOfClearAndSwap.
    state.counters["of_clear_swap"] = 0;
    if (const char* dir = std::getenv("ZARNOK_BENCH_PICTURES")) {
        // A fresh match and a fixed time: animations and effects stand where they did the last run.
        StageBattle(battle, map);
        DrawView(battle, view, 100000);
        battle.SavePicture(std::string(dir) + "/" + (view == View::kSplit ? "split_" : "chase_") +
                           map + ".ppm");
    }
}

// The same frames with every pixel scissored away but one: the CPU cost of issuing the frame.
void Commands(benchmark::State& state, View view, const std::string& map) {
    RenderHarness& battle = Battle(map);
    uint32_t now = 100000;
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, 1, 1);
    for (auto _ : state) {
        DrawView(battle, view, now);
        now += 16;
    }
    glDisable(GL_SCISSOR_TEST);
}

// Adds each view's frame rate as a share of the clear-and-swap rate of the same run.
class SharesOfClearAndSwap : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        std::vector<Run> shared = runs;
        for (Run& run : shared) {
            auto fps = run.counters.find("fps");
            if (fps == run.counters.end()) continue;
            if (run.run_name.function_name == "ClearAndSwap") {
                ClearAndSwapFps() = fps->second.value;
            } else if (auto share = run.counters.find("of_clear_swap");
                       share != run.counters.end() && ClearAndSwapFps() > 0) {
                share->second.value = fps->second.value / ClearAndSwapFps();
            }
        }
        ConsoleReporter::ReportRuns(shared);
    }
};

void RegisterBenchmarks() {
    benchmark::RegisterBenchmark("ClearAndSwap", ClearAndSwap)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->MinTime(2);
    for (const char* map : kMaps) {
        const std::string name = std::string(map).substr(0, std::string(map).find('.'));
        for (View view : {View::kSplit, View::kChase}) {
            const std::string viewName = view == View::kSplit ? "SplitView" : "ChaseView";
            benchmark::RegisterBenchmark(
                (viewName + "/" + name).c_str(),
                [view, map](benchmark::State& state) { Frames(state, view, map); })
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->MinTime(3);
        }
    }
    for (View view : {View::kSplit, View::kChase}) {
        const std::string viewName = view == View::kSplit ? "SplitView" : "ChaseView";
        benchmark::RegisterBenchmark(
            (viewName + "Commands/ctf").c_str(),
            [view](benchmark::State& state) { Commands(state, view, "ctf.map"); })
            ->Unit(benchmark::kMicrosecond);
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RegisterBenchmarks();
    SharesOfClearAndSwap reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
