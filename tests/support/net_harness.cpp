#include "support/net_harness.h"

#include "world/level_start.h"

namespace {

// Four spawn points, two per team, far enough apart to tell apart; each map of the rotation has
// its own (arena1.map's at x 10 and 20, arena2.map's 100 further...), so a placement tells its map.
std::vector<tspawnpoint> TestSpawnPoints(const std::string& map) {
    const float shift =
        map.size() > 5 && map[5] >= '1' && map[5] <= '9' ? 100.0f * (map[5] - '1') : 0.0f;
    return {{10 + shift, 0, 10, 0, 0},
            {20 + shift, 0, 10, 90, 0},
            {-10 + shift, 0, -10, 180, 1},
            {-20 + shift, 0, -10, 270, 1}};
}

}  // namespace

NetMachine& NetHarness::AddMachine(const std::string& address, uint64_t seed) {
    auto machine = std::make_unique<NetMachine>();
    machine->address = address;
    machine->endpoint = bus.CreateEndpoint(address);
    machine->game.services.clock = &clock;
    machine->game.services.network = machine->endpoint.get();
    machine->game.random.Seed(seed);
    machine->game.state.startupComplete = true;
    NetMachine* self = machine.get();
    machine->game.client.levelHooks.startLevel = [self](Session& game, const std::string& map) {
        if (map.rfind("arena", 0) != 0) return false;
        self->levelsStarted.push_back(map);
        game.world.arena.spawnPoints = TestSpawnPoints(map);
        return true;
    };
    OpenNetworkPorts(machine->game);
    machines.push_back(std::move(machine));
    return *machines.back();
}

NetMachine& NetHarness::AddServer(const std::string& address, uint64_t seed,
                                  const ServerOptions& options,
                                  const std::vector<std::string>& maps) {
    NetMachine& server = AddMachine(address, seed);
    server.dedicated = true;
    server.nextServerStep = clock.now;
    SetUpServerGame(server.game, options, maps);
    OpenServerGame(server.game);
    return server;
}

void NetHarness::RunFrame(uint32_t ms) {
    clock.Advance(ms);
    for (auto& machine : machines) {
        if (machine->frozen) continue;
        if (machine->dedicated) {
            DrainNetwork(machine->game);
            for (; Elapsed(clock.now, machine->nextServerStep) >= 0; machine->nextServerStep += 15)
                RunServerStep(machine->game, machine->serverTimes);
            continue;
        }
        DrainReceivedDatagrams(machine->game);
        RunTimerIfDue(machine->game);
        ::RunFrame(machine->game);
    }
}

void NetHarness::RunFor(uint32_t totalMs, uint32_t frameMs) {
    for (uint32_t t = 0; t < totalMs; t += frameMs) RunFrame(frameMs);
}

void NetHarness::Host(NetMachine& host, const HostOptions& options, uint32_t ms) {
    HostGame(host, options);
    RunFor(ms);
}

void NetHarness::Join(NetMachine& joiner, const std::string& name, uint32_t ms, uint8_t team) {
    JoinGame(joiner, machines.front()->address, name, team);
    RunFor(ms);
}

void HostGame(NetMachine& host, const HostOptions& options) {
    Server& server = host.server();
    server.mapList = options.maps;
    server.mapIndex = 0;
    server.serverSettings.gameName.Assign("ZarnokServer");
    server.serverSettings.botCount = options.bots;
    server.serverSettings.gameType = options.gameType;
    server.serverSettings.fragLimit = options.fragLimit;
    server.botSkill = options.botSkill;
    host.client().localPlayer.name.Assign(options.name);
    host.client().localPlayer.team = options.team;
    StartHostedGame(host.game);
}

void JoinGame(NetMachine& joiner, const std::string& serverAddress, const std::string& name,
              uint8_t team) {
    Client& client = joiner.client();
    client.serverDestination = serverAddress;
    client.clientSettings.serverAddress.Assign(serverAddress);
    client.localPlayer.name.Assign(name);
    client.localPlayer.team = team;
    Connect(joiner.game);
}

std::vector<int32_t> IdsOf(const std::vector<tplayerinfo>& table) {
    std::vector<int32_t> ids;
    for (const tplayerinfo& player : table) ids.push_back(player.id);
    return ids;
}
