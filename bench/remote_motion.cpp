// How smoothly one machine shows another machine's player. On the in-memory bus a host's player
// runs a circle at run speed, turning as it goes, while a joined machine runs its frames at 60 or
// 144 a second, with or without 10 % of the datagrams lost. For the model as drawn now and for
// the model as the newest report alone would place it: the largest frame-to-frame step over the
// mean step (1 is perfectly even), the share of frames it stood still, and how far behind the
// true path it runs, in ms (the report pipeline's own delay is the figure of the newest report).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "support/net_harness.h"

namespace {

constexpr float kCircleRadius = 10;
constexpr double kSimulatedMs = 20000;

struct MotionFigures {
    double largestOverMean = 0;
    double stillShare = 0;
    double delayMs = 0;
};

class MotionRecord {
  public:
    explicit MotionRecord(double angularSpeed) : angularSpeed_(angularSpeed) {}

    void Add(const tvec3& position, double trueAngle) {
        if (count_ > 0) {
            const double step = std::hypot(position.x - last_.x, position.z - last_.z);
            largest_ = std::max(largest_, step);
            total_ += step;
            if (step < 1e-4) ++still_;
        }
        double behind = trueAngle - std::atan2(position.z, position.x);
        behind = std::remainder(behind, 2 * std::numbers::pi);
        delay_ += behind / angularSpeed_;
        last_ = position;
        ++count_;
    }
    MotionFigures Figures() const {
        const double steps = static_cast<double>(count_ - 1);
        return {largest_ / (total_ / steps), still_ / steps, delay_ / static_cast<double>(count_)};
    }

  private:
    double angularSpeed_;
    tvec3 last_;
    size_t count_ = 0;
    double largest_ = 0, total_ = 0, still_ = 0, delay_ = 0;
};

void BM_RemoteRunnerOnCircle(benchmark::State& state) {
    const auto framesPerSecond = static_cast<double>(state.range(0));
    const auto lossChance = static_cast<float>(state.range(1)) / 100;
    MotionFigures drawn, newestReport;
    for (auto _ : state) {
        NetHarness net;
        NetMachine& runner = net.AddMachine("10.0.0.1", 1).MakeModels();
        NetMachine& watcher = net.AddMachine("10.0.0.2", 2).MakeModels();
        net.Host(runner);
        net.Join(watcher, "Watcher");
        net.bus.SetFaults({.lossChance = lossChance});
        const double runSpeed = runner.game.tuning.RUN_SPEED / 15.0;  // units per ms
        const double angularSpeed = runSpeed / kCircleRadius;
        MotionRecord drawnRecord(angularSpeed), reportRecord(angularSpeed);
        const int32_t runnerSlot = runner.game.state.localPlayerIndex;
        const uint32_t start = net.clock.now;
        double elapsed = 0;
        for (int64_t frame = 0; elapsed < kSimulatedMs; ++frame) {
            const double next = std::round(static_cast<double>(frame + 1) * 1000 / framesPerSecond);
            const auto length = static_cast<uint32_t>(next - elapsed);
            elapsed = next;
            // The runner stands where the circle has brought it at the frame's time.
            const double angle = angularSpeed * (net.clock.now + length - start);
            tgeomobject& body = runner.game.play.players[static_cast<size_t>(runnerSlot)].model;
            body.position = {static_cast<float>(kCircleRadius * std::cos(angle)), 0,
                             static_cast<float>(kCircleRadius * std::sin(angle))};
            body.yaw = HeadingOf(
                {static_cast<float>(-std::sin(angle)), 0, static_cast<float>(std::cos(angle))});
            body.velocity = {};
            net.RunFrame(length);
            // The first second lets the history fill.
            if (elapsed < 1000) continue;
            const MatchPlayer& seen = watcher.game.play.players[static_cast<size_t>(runnerSlot)];
            drawnRecord.Add(seen.model.position, angle);
            reportRecord.Add(seen.entry.position, angle);
        }
        drawn = drawnRecord.Figures();
        newestReport = reportRecord.Figures();
    }
    state.counters["drawn_largest_over_mean"] = drawn.largestOverMean;
    state.counters["drawn_still_share"] = drawn.stillShare;
    state.counters["drawn_delay_ms"] = drawn.delayMs;
    state.counters["report_largest_over_mean"] = newestReport.largestOverMean;
    state.counters["report_still_share"] = newestReport.stillShare;
    state.counters["report_delay_ms"] = newestReport.delayMs;
}
BENCHMARK(BM_RemoteRunnerOnCircle)
    ->ArgNames({"fps", "loss_percent"})
    ->Args({60, 0})
    ->Args({144, 0})
    ->Args({60, 10})
    ->Args({144, 10})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
