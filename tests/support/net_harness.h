// Test harness: several Game instances on one in-memory datagram bus with a shared manual clock,
// a stand-in level loader that knows a few map names and gives every level four spawn points,
// and helpers to host, join and run frames.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "app/frame_loop.h"
#include "app/game.h"
#include "net/client_session.h"
#include "net/datagram_bus.h"
#include "net/net_frame.h"
#include "net/server.h"
#include "support/fake_gpu.h"

struct NetMachine {
    Game game;
    FakeGpu gpu;
    std::unique_ptr<Network> endpoint;
    std::string address;
    std::vector<std::string> levelsStarted;
    bool frozen = false;  // a machine that stopped running frames (crashed, unplugged)

    // Gives the game the Gpu: player and muzzle models are made as players appear.
    void MakeModels() { game.services.gpu = &gpu; }
    Client& client() { return game.client; }
    Server& server() { return game.server; }
};

class NetHarness {
  public:
    NetHarness() : bus(clock, 7) {}

    NetMachine& AddMachine(const std::string& address, uint64_t seed);
    // Every unfrozen machine runs one turn of the game's loop (datagrams, the 50 ms timer, one
    // frame) after the clock advanced by `ms`.
    void RunFrame(uint32_t ms = 5);
    void RunFor(uint32_t totalMs, uint32_t frameMs = 5);

    ManualClock clock{1000};
    DatagramBus bus;
    std::vector<std::unique_ptr<NetMachine>> machines;
};

struct HostOptions {
    std::vector<std::string> maps = {"arena1.map"};
    uint8_t bots = 0;
    uint8_t gameType = kDeathMatch;
    uint8_t fragLimit = 10;
    std::string name = "Host";
    uint8_t team = 0;
};

void HostGame(NetMachine& host, const HostOptions& options);
void JoinGame(NetMachine& joiner, const std::string& serverAddress, const std::string& name,
              uint8_t team = 1);
std::vector<int32_t> IdsOf(const std::vector<tplayerinfo>& table);
