// Bots on the shipped maps, headless: what one UpdateBots call costs with 8 bots in play, and how
// many frags 8 bots score per simulated minute over five minutes of a hosted game on each map
// (DeathMatch on every map, team games on the team map; the host's player walks at the nearest
// bot). The frag figures are counters of one five-minute run each.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/game.h"
#include "game/bots.h"
#include "support/bot_match.h"
#include "support/match_rules.h"
#include "support/shipped_content.h"

namespace {

constexpr uint32_t kFiveMinutes = 5 * 60 * 1000;

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

void FiveMinuteMatch(benchmark::State& state, const std::string& map, uint8_t gameType) {
    for (auto _ : state) {
        BotMatch match({.maps = {map}, .gameType = gameType});
        match.Play(kFiveMinutes);
        const BotMatchTally& tally = match.tally();
        state.counters["frags_per_min"] = static_cast<double>(tally.frags) / 5.0;
        state.counters["shots_per_min"] = static_cast<double>(tally.shots) / 5.0;
        state.counters["bad_positions"] = tally.badPositions;
        state.counters["shots_at_no_enemy"] = tally.shotsAtNoEnemy;
    }
}

void RegisterMatches() {
    for (const std::filesystem::path& file : ShippedMaps()) {
        const std::string map = file.filename().string();
        benchmark::RegisterBenchmark(("BM_FiveMinutes/DM/" + map).c_str(), FiveMinuteMatch, map,
                                     kDeathMatch)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
    for (uint8_t type : {kTeamDeathMatch, kCaptureTheFlag}) {
        benchmark::RegisterBenchmark((std::string("BM_FiveMinutes/") +
                                      (type == kTeamDeathMatch ? "TDM" : "CTF") + "/ctf.map")
                                         .c_str(),
                                     FiveMinuteMatch, std::string("ctf.map"), type)
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
