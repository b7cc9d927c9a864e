// Server cost per state report with a full table, and the traffic a game puts on the LAN.
#include <benchmark/benchmark.h>

#include "app/game.h"
#include "net/server.h"
#include "support/net_harness.h"
#include "support/players.h"

namespace {

class DiscardingNetwork final : public Network {
  public:
    bool Listen(uint16_t) override { return true; }
    void SendTo(const std::string&, uint16_t, std::span<const uint8_t> bytes) override {
        benchmark::DoNotOptimize(bytes.data());
    }
    void Broadcast(uint16_t, std::span<const uint8_t>) override {}
    std::optional<Datagram> Receive(uint16_t) override { return std::nullopt; }
};

void BM_ServerGameInfoWithNinePlayers(benchmark::State& state) {
    ManualClock clock(1000);
    DiscardingNetwork network;
    Game game;
    game.services.clock = &clock;
    game.services.network = &network;
    game.state.hosting = true;
    game.server.serverIdle = false;
    for (int32_t i = 0; i < kMaxPlayers; ++i) {
        const std::string name = "Player" + std::to_string(i);
        const std::string address = "10.0.0." + std::to_string(i + 2);
        game.server.serverPlayers.push_back(Human(100 + i, name.c_str(), address.c_str()));
    }
    game.server.lastHeard.assign(kMaxPlayers, 1000);
    tplayerinfo report = game.server.serverPlayers[4];
    report.position = {1, 2, 3};
    tdatagram bytes = BuildClientGameInfo(report.id, report);
    Datagram datagram{"10.0.0.6", {bytes.begin(), bytes.end()}};
    for (auto _ : state) {
        UDPServUDPRead(game, datagram);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ServerGameInfoWithNinePlayers);

// Ten simulated seconds of a host with three bots and four remote players (a full table) on the
// bus.
void BM_TrafficPerPlayer(benchmark::State& state) {
    double bytesPerSecondPerPlayer = 0;
    for (auto _ : state) {
        NetHarness net;
        for (int i = 0; i < 5; ++i)
            net.AddMachine("10.0.0." + std::to_string(i + 1), static_cast<uint64_t>(i + 1));
        HostGame(*net.machines[0], {.bots = 3});
        net.RunFor(100);
        for (size_t i = 1; i < net.machines.size(); ++i) {
            JoinGame(*net.machines[i], "10.0.0.1", "Player" + std::to_string(i));
            net.RunFor(100);
        }
        const uint64_t before = net.bus.sentBytes();
        net.RunFor(10000);
        const auto humans = static_cast<double>(net.machines.size());
        bytesPerSecondPerPlayer = static_cast<double>(net.bus.sentBytes() - before) / 10.0 / humans;
    }
    state.counters["bytes_per_s_per_player"] = bytesPerSecondPerPlayer;
}
BENCHMARK(BM_TrafficPerPlayer)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
