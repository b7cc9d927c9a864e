#include "app/shell/dedicated_server.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <exception>
#include <memory>
#include <random>

#include "app/log_file.h"
#include "app/map_store.h"
#include "app/server_options.h"
#include "app/server_step.h"
#include "base/load_error.h"
#include "config/config_reader.h"
#include "net/net_frame.h"
#include "net/server.h"
#include "net/session.h"
#include "platform/program_places.h"
#include "platform/steady_clock.h"
#include "platform/stop_signals.h"
#include "platform/udp_network.h"
#include "ui/frontend.h"
#include "ui/map_list.h"
#include "world/bullet_model.h"
#include "world/level_start.h"
#include "world/null_gpu.h"

namespace {

constexpr uint32_t kStepMs = 15;
// Fallen further behind than this (a stalled machine), the server skips ahead instead of
// running a burst of steps.
constexpr int32_t kMostLateMs = 100;
constexpr int32_t kStatusPeriodMs = 60000;

void PrintLine(const std::string& line) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[16] = {};
    std::strftime(stamp, sizeof stamp, "%H:%M:%S", &local);
    std::printf("[%s] %s\n", stamp, line.c_str());
    std::fflush(stdout);
}

int Fail(const std::string& text) {
    std::fprintf(stderr, "zarnok: %s\n", text.c_str());
    return 1;
}

const char* GameTypeName(uint8_t gameType) {
    if (gameType == kTeamDeathMatch) return "team deathmatch";
    if (gameType == kCaptureTheFlag) return "capture the flag";
    return "deathmatch";
}

std::string Addresses() {
    std::string joined;
    for (const std::string& address : LocalAddresses()) {
        joined += (joined.empty() ? "" : ", ") + address;
    }
    return joined.empty() ? "no network address" : joined;
}

std::string StatusLine(const Session& session) {
    int32_t humans = 0, bots = 0;
    for (const tplayerinfo& player : session.server.serverPlayers) ++(player.isBot ? bots : humans);
    const ServerStatistics& sent = session.traffic.serverStatistics;
    const int64_t datagrams = sent.ginfo + sent.endlv + sent.addpl + sent.added + sent.bulst +
                              sent.bulfn + sent.illim + sent.endlv2 + sent.respl + sent.delpl +
                              sent.srvcl + sent.addlist;
    return std::to_string(humans) + " players, " + std::to_string(bots) + " bots; " +
           std::to_string(datagrams) + " datagrams sent, " +
           std::to_string(session.traffic.visitorList.size()) + " machines reported";
}

// The server's match and network, set up from the options; the world loads with a Gpu that
// uploads nothing.
struct DedicatedServer {
    SteadyClock clock;
    NullGpu gpu;
    UdpNetwork network;
    ContentPaths paths;
    Session session;
};

void InstallLevelLoader(DedicatedServer& server) {
    server.session.client.levelHooks.startLevel = [&server](Session& session,
                                                            const std::string& map) {
        if (!IsBareMapName(map)) return false;
        try {
            if (!StartLevel(session.world, server.gpu, session.random,
                            {0, session.tuning.CYL_SIDE_COUNT}, MapFile(server.paths, map))) {
                session.client.levelError = "no map " + map + " in " + MapFolders(server.paths);
                return false;
            }
            PrepareBulletModel(session.world, &server.gpu);
            return true;
        } catch (const WorldLoadError& error) {
            session.client.levelError = error.what();
            return false;
        }
    };
}

int Serve(DedicatedServer& server, StopSignals& stop) {
    Session& session = server.session;
    ServerStepTimes times;
    uint32_t nextStep = server.clock.Ticks();
    uint32_t nextStatus = nextStep + kStatusPeriodMs;
    uint32_t wait = 0;
    while (!stop.WaitFor(wait)) {
        DrainNetwork(session);
        const uint32_t now = server.clock.Ticks();
        if (Elapsed(now, nextStep) >= 0) {
            if (!RunServerStep(session, times)) return Fail("no map of the rotation loads");
            nextStep += kStepMs;
            if (Elapsed(now, nextStep) > kMostLateMs) nextStep = now + kStepMs;
        }
        if (Elapsed(now, nextStatus) >= 0) {
            PrintLine(StatusLine(session));
            nextStatus += kStatusPeriodMs;
        }
        wait = static_cast<uint32_t>(std::max(0, Elapsed(nextStep, server.clock.Ticks())));
    }
    return 0;
}

}  // namespace

int RunDedicatedServer(const ServerOptions& options) {
    // Before anything else: a signal that comes during the start-up waits for the loop.
    StopSignals stop;
    auto server = std::make_unique<DedicatedServer>();
    Session& session = server->session;
    session.random.Seed(std::random_device{}() | static_cast<uint64_t>(std::random_device{}())
                                                     << 32);
    session.services.clock = &server->clock;
    session.services.gpu = &server->gpu;
    session.services.network = &server->network;
    try {
        std::vector<std::string> folderFaults;
        server->paths = PlacesOfThisRun(folderFaults);
        for (const std::string& fault : folderFaults) PrintLine(fault);
        UseContentPaths(session.world, server->paths);
        ReadConfig(server->paths.configFile, session.tuning);
        CreateLogFile(server->paths.logFile);
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
    const std::string error = SetUpServerGame(session, options, ListMapFiles(server->paths));
    if (!error.empty()) return Fail(error + " in " + MapFolders(server->paths));
    if (!server->network.Listen(kServerPort)) {
        return Fail("UDP port 7050 is in use: another game or server hosts on this machine");
    }
    InstallLevelLoader(*server);
    InstallMapStore(session, server->paths);
    if (!OpenServerGame(session)) return Fail(session.client.levelError);
    session.server.announce = PrintLine;
    const tgamesettings& settings = session.server.serverSettings;
    PrintLine("zarnok server \"" + settings.gameName.Text() + "\" on " + Addresses() +
              ", UDP ports 7050/7051: " + settings.mapName.Text() + ", " +
              GameTypeName(settings.gameType) + ", " + std::to_string(options.bots) + " " +
              BotSkillName(options.botSkill) + " bots, limit " + std::to_string(options.fragLimit));
    BroadcastPresence(session);

    const int status = Serve(*server, stop);
    CloseServer(session);
    try {
        WriteExitLog(server->paths.logFile, session.traffic);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zarnok: %s\n", error.what());
    }
    if (stop.Received() != 0) PrintLine("closed by signal " + std::to_string(stop.Received()));
    return status;
}
