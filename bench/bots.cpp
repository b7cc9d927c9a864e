// Bots on the shipped maps, headless: what one UpdateBots call costs with 8 bots in play, and how
// lively 8 bots are over ten simulated minutes of a hosted game on every shipped map in every game
// type it supports, with the host's player standing still: the share of bot time spent idle, frags
// and shots a minute, flags captured. The figures are counters of one ten-minute run each.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "app/game.h"
#include "game/bots.h"
#include "support/bot_match.h"
#include "support/match_rules.h"

namespace {

constexpr uint32_t kMinutes = 10;

void BM_UpdateBotsEightBots(benchmark::State& state) {
    BotMatch match({.maps = {"arena.map"}});
    match.Play(5000);  // the bots have met the host and each other
    Game& game = match.host();
    for (auto _ : state) {
        game.frame.now += 15;
        RunRule(game, UpdateBots);
    }
}
BENCHMARK(BM_UpdateBotsEightBots)->Unit(benchmark::kMicrosecond);

void TenMinuteMatch(benchmark::State& state, const BotMatchOptions& game) {
    for (auto _ : state) {
        BotMatch match(game);
        match.Play(kMinutes * 60 * 1000);
        const BotMatchTally& tally = match.tally();
        state.counters["idle_pct"] = 100.0 * tally.IdleShare();
        state.counters["frags_per_min"] = static_cast<double>(tally.frags) / kMinutes;
        state.counters["shots_per_min"] = static_cast<double>(tally.shots) / kMinutes;
        state.counters["captures"] = tally.captures;
        state.counters["bad_positions"] = tally.badPositions;
        state.counters["shots_at_no_enemy"] = tally.shotsAtNoEnemy;
    }
}

void RegisterMatches() {
    for (const BotMatchOptions& game : EveryShippedGame()) {
        std::string name = "BM_TenMinutes/" + GameName(game);
        std::replace(name.begin(), name.end(), ' ', '/');
        benchmark::RegisterBenchmark(name.c_str(), TenMinuteMatch, game)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace

int main(int argc, char** argv) {
    RegisterMatches();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
