// Server cost per state report with a full table, and the traffic a game puts on the LAN.
#include <benchmark/benchmark.h>

#include "app/frame_loop.h"
#include "app/game.h"
#include "net/client_session.h"
#include "net/datagram_bus.h"
#include "net/net_frame.h"
#include "net/server.h"
#include "world/level_start.h"

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
        tplayerinfo player;
        player.id = 100 + i;
        player.name.Assign("Player" + std::to_string(i));
        player.address.Assign("10.0.0." + std::to_string(i + 2));
        player.joined = 1;
        player.active = 1;
        game.server.serverPlayers.push_back(player);
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
        ManualClock clock(1000);
        DatagramBus bus(clock);
        struct Machine {
            Game game;
            std::unique_ptr<Network> endpoint;
        };
        std::vector<std::unique_ptr<Machine>> machines;
        for (int i = 0; i < 5; ++i) {
            auto machine = std::make_unique<Machine>();
            machine->endpoint = bus.CreateEndpoint("10.0.0." + std::to_string(i + 1));
            machine->game.services.clock = &clock;
            machine->game.services.network = machine->endpoint.get();
            machine->game.random.Seed(static_cast<uint64_t>(i + 1));
            machine->game.state.startupComplete = true;
            machine->game.client.levelHooks.startLevel = [](Session& game, const std::string&) {
                game.world.arena.spawnPoints = {{0, 0, 0, 0, 0}, {5, 0, 5, 0, 1}};
                game.world.arena.spawnOrder =
                    ShuffleSpawnOrder(game.world.arena.spawnPoints, game.random);
                return true;
            };
            OpenNetworkPorts(machine->game);
            machines.push_back(std::move(machine));
        }
        Game& host = machines[0]->game;
        host.server.mapList = {"arena1.map"};
        host.server.serverSettings.botCount = 3;
        StartHostedGame(host);
        auto run = [&](uint32_t ms) {
            for (uint32_t t = 0; t < ms; t += 5) {
                clock.Advance(5);
                for (auto& machine : machines) {
                    DrainReceivedDatagrams(machine->game);
                    RunTimerIfDue(machine->game);
                    RunFrame(machine->game);
                }
            }
        };
        run(100);
        for (size_t i = 1; i < machines.size(); ++i) {
            machines[i]->game.client.serverDestination = "10.0.0.1";
            Connect(machines[i]->game);
            run(100);
        }
        uint64_t before = bus.sentBytes();
        run(10000);
        size_t humans = machines.size();
        bytesPerSecondPerPlayer = static_cast<double>(bus.sentBytes() - before) / 10.0 / humans;
    }
    state.counters["bytes_per_s_per_player"] = bytesPerSecondPerPlayer;
}
BENCHMARK(BM_TrafficPerPlayer)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
