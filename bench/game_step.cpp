// One game step on the largest shipped map with a full table (9 players) and 300 bullets in
// flight: a third of them the local player's (collision against cylinders and players), the
// rest other machines' (moved only), with the flag rules of the host running.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <vector>

#include "app/game.h"
#include "app/game_step.h"
#include "app/server_step.h"
#include "shipped_maps.h"
#include "support/players.h"
#include "support/recording_network.h"
#include "support/shipped_content.h"
#include "world/bullet_model.h"
#include "world/level_start.h"
#include "world/null_gpu.h"

namespace {

constexpr int32_t kPlayers = 9;
constexpr int32_t kBullets = 300;

class PlayedGame {
  public:
    explicit PlayedGame(const std::filesystem::path& map) {
        game.services.gpu = &gpu;
        game.services.clock = &clock;
        UseShippedContent(game.world);
        StartLevel(game.world, gpu, game.random, LevelSettings{0, 32}, map);
        game.state.startupComplete = true;
        game.state.playState = 1;
        game.state.connected = true;
        game.state.hosting = true;
        game.client.serverDestination = "127.0.0.1";
        game.client.clientSettings.gameType = kCaptureTheFlag;
        const std::vector<tspawnpoint>& spawns = game.world.arena.spawnPoints;
        for (int32_t i = 0; i < kPlayers; ++i) {
            const tspawnpoint& spawn = spawns[static_cast<size_t>(i) % spawns.size()];
            tgeomobject model = LoadedPlayerModel(game.world, gpu);
            model.position = {spawn.x, spawn.y, spawn.z};
            model.yaw = spawn.angle;
            AddPlayer(game, std::move(model), static_cast<uint8_t>(i % 2));
        }
        game.client.localPlayer = game.play.players.front().entry;
        for (int32_t b = 0; b < kBullets; ++b) {
            const tgeomobject& owner = game.play.players[static_cast<size_t>(b % kPlayers)].model;
            PrepareBulletModel(game.world, &gpu);
            tbullet bullet = NewBulletModel(game.world.arena);
            bullet.bulletId = b;
            bullet.ownerIndex = b % 3 == 0 ? 0 : 1 + b % (kPlayers - 1);
            const float angle = game.random.Unit() * 6.2831853f;
            const float distance = 1.0f + game.random.Unit() * 20.0f;
            bullet.velocity = {std::sin(angle) * 0.3f, 0, std::cos(angle) * 0.3f};
            bullet.position = owner.position +
                              tvec3{std::sin(angle) * distance, 1.0f, std::cos(angle) * distance};
            flying.push_back(std::move(bullet));
        }
    }

    NullGpu gpu;
    ManualClock clock{100000};
    Game game;
    std::vector<tbullet> flying;
};

void BM_GameStepNinePlayersThreeHundredBullets(benchmark::State& state) {
    const std::filesystem::path map = LargestShippedMap();
    if (map.empty()) {
        state.SkipWithError("no shipped maps in the run folder");
        return;
    }
    state.SetLabel(map.filename().string());
    PlayedGame played(map);
    Game& game = played.game;
    for (auto _ : state) {
        // Every step starts from the same 300 bullets: hits and range would thin them out.
        state.PauseTiming();
        game.play.bullets = played.flying;
        game.play.explosions.clear();
        played.clock.Advance(15);
        game.frame.now = played.clock.now;
        state.ResumeTiming();
        RunGameStep(game);
    }
}
BENCHMARK(BM_GameStepNinePlayersThreeHundredBullets)->Unit(benchmark::kMicrosecond);

// One step of the dedicated server on the largest shipped map: eight bots that walk, turn, fire
// and die over the iterations, and four joined players standing at spawn points.
void BM_DedicatedServerStepEightBotsFourPlayers(benchmark::State& state) {
    const std::filesystem::path map = LargestShippedMap();
    if (map.empty()) {
        state.SkipWithError("no shipped maps in the run folder");
        return;
    }
    state.SetLabel(map.filename().string());
    NullGpu gpu;
    ManualClock clock{100000};
    RecordingNetwork network;
    Game game;
    game.services = {.clock = &clock, .gpu = &gpu, .network = &network};
    UseShippedContent(game.world);
    game.client.levelHooks.startLevel = [&](Session& session, const std::string& name) {
        StartLevel(session.world, gpu, session.random, LevelSettings{0, 32},
                   map.parent_path() / name);
        PrepareBulletModel(session.world, &gpu);
        return true;
    };
    ServerOptions options;
    options.gameType = kTeamDeathMatch;
    options.bots = 8;
    options.fragLimit = 255;
    SetUpServerGame(game, options, {map.filename().string()});
    OpenServerGame(game);
    const std::vector<tspawnpoint>& spawns = game.world.arena.spawnPoints;
    for (int32_t i = 0; i < 4; ++i) {
        tplayerinfo human = Human(500 + i, "Player", "10.0.0.2", static_cast<uint8_t>(i % 2));
        const tspawnpoint& spawn = spawns[static_cast<size_t>(i) % spawns.size()];
        human.position = {spawn.x, spawn.y, spawn.z};
        game.server.serverPlayers.push_back(human);
        game.server.lastHeard.push_back(clock.now + 3600000);
    }
    ServerStepTimes times;
    for (auto _ : state) {
        clock.Advance(15);
        network.sent.clear();
        RunServerStep(game, times);
    }
}
BENCHMARK(BM_DedicatedServerStepEightBotsFourPlayers)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
