// Test harness: several Game instances on one in-memory datagram bus with a shared manual clock,
// a stand-in level loader that knows a few map names and gives every level four spawn points,
// and helpers to host, join and run frames.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "app/frame_loop.h"
#include "app/game.h"
#include "app/server_step.h"
#include "net/client_session.h"
#include "net/datagram_bus.h"
#include "net/net_frame.h"
#include "net/server.h"
#include "support/fake_gpu.h"
#include "support/shipped_content.h"

struct NetMachine {
    Game game;
    FakeGpu gpu;
    std::unique_ptr<Network> endpoint;
    std::string address;
    std::vector<std::string> levelsStarted;
    bool frozen = false;  // a machine that stopped running frames (crashed, unplugged)
    // A dedicated server steps its match every 15 ms instead of running the game's frames.
    bool dedicated = false;
    ServerStepTimes serverTimes;
    uint32_t nextServerStep = 0;

    // Gives the game the Gpu and the model files: player and muzzle models are made as players
    // appear, of `playerModel`, and bullets of the shipped bullet.
    NetMachine& MakeModels(const std::filesystem::path& playerModel = kRunDir / "player.txt") {
        game.services.gpu = &gpu;
        game.world.playerModelFile = playerModel;
        game.world.bulletModelFile = kRunDir / "bullet.txt";
        return *this;
    }
    Client& client() { return game.client; }
    Server& server() { return game.server; }
};

struct HostOptions {
    std::vector<std::string> maps = {"arena1.map"};
    uint8_t bots = 0;
    uint8_t gameType = kDeathMatch;
    uint8_t fragLimit = 10;
    std::string name = "Host";
    uint8_t team = 0;
    BotSkill botSkill = BotSkill::kNormal;
};

class NetHarness {
  public:
    NetHarness() : bus(clock, 7) {}

    NetMachine& AddMachine(const std::string& address, uint64_t seed);
    // A dedicated server of `options` on the maps `maps`, its first level started.
    NetMachine& AddServer(const std::string& address, uint64_t seed, const ServerOptions& options,
                          const std::vector<std::string>& maps);
    // Every unfrozen machine runs one turn of the game's loop (datagrams, the 50 ms timer, one
    // frame) after the clock advanced by `ms`.
    void RunFrame(uint32_t ms = 5);
    void RunFor(uint32_t totalMs, uint32_t frameMs = 5);
    // Hosts a game on `host`, then runs `ms`.
    void Host(NetMachine& host, const HostOptions& options = {}, uint32_t ms = 100);
    // `joiner` joins the first machine's game as `name`, then runs `ms`.
    void Join(NetMachine& joiner, const std::string& name, uint32_t ms = 100, uint8_t team = 1);

    ManualClock clock{1000};
    DatagramBus bus;
    std::vector<std::unique_ptr<NetMachine>> machines;
};

void HostGame(NetMachine& host, const HostOptions& options);
void JoinGame(NetMachine& joiner, const std::string& serverAddress, const std::string& name,
              uint8_t team = 1);
std::vector<int32_t> IdsOf(const std::vector<tplayerinfo>& table);
