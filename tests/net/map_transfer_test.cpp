// A map only the host has, fetched by a joining machine over the in-memory bus: at the join and
// at a level change, under loss, and refused whole when the server or the file is hostile.
#include <gtest/gtest.h>

#include "app/map_store.h"
#include "base/load_error.h"
#include "net/client_receive.h"
#include "net/map_messages.h"
#include "support/net_harness.h"
#include "support/temp_dir.h"
#include "ui/map_list.h"
#include "world/map_loader.h"

namespace {

namespace fs = std::filesystem;

// A machine's own folders in a temporary place, with the program's map store on them.
void UseOwnFolders(NetMachine& machine, const TempDir& dir) {
    ContentPaths& paths = machine.game.paths;
    paths.mapsDir = dir.File("shipped/");
    paths.userMapsDir = dir.File("own/");
    paths.receivedMapsDir = dir.File("received/");
    paths.logFile = dir.File("log.txt");
    InstallMapStore(machine.game, paths);
    // A level starts only from a map file at hand that the map reader takes.
    auto start = machine.game.client.levelHooks.startLevel;
    machine.game.client.levelHooks.startLevel = [&paths, start](Session& game,
                                                                const std::string& map) {
        try {
            return ReadMapFile(MapFile(paths, map)).has_value() && start(game, map);
        } catch (const WorldLoadError&) {
            return false;
        }
    };
}

// The shipped arena with blank lines after it: many pieces long.
std::string LongMap() {
    return FileText(kRunDir / "maps" / "arena.map") + std::string(20000, '\n');
}

std::vector<std::string> FilesIn(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    return names;
}

struct LanWithOwnMaps : ::testing::Test {
    NetHarness net;
    TempDir hostDir, joinerDir;
    NetMachine& host = net.AddMachine("10.0.0.1", 11);
    NetMachine& joiner = net.AddMachine("10.0.0.2", 22);
};

}  // namespace

TEST_F(LanWithOwnMaps, JoinerFetchesTheHostsMapsUnderLossAndPlaysThem) {
    UseOwnFolders(host, hostDir);
    UseOwnFolders(joiner, joinerDir);
    const std::string first = LongMap();
    const std::string next = FileText(kRunDir / "maps" / "towers.map");
    hostDir.Write("own/arena_mine.map", first);
    hostDir.Write("own/arena_next.map", next);
    joinerDir.Write("own/other.map", "mine");
    net.bus.SetFaults({.lossChance = 0.2f, .duplicateChance = 0.2f, .reorderChance = 0.2f});

    net.Host(host, {.maps = {"arena_mine.map", "arena_next.map"},
                    .gameType = kCaptureTheFlag,
                    .fragLimit = 1});
    net.Join(joiner, "Joe", 3000);
    EXPECT_EQ(joiner.game.state.playState, 1);
    EXPECT_EQ(joiner.levelsStarted, std::vector<std::string>{"arena_mine.map"});
    EXPECT_TRUE(joinerDir.Read("received/arena_mine.map") == first);

    // A capture ends the level; the next map comes during the wait before the restart.
    host.server().serverSettings.blueFlag.score = 1;
    net.RunFor(8000);
    EXPECT_EQ(joiner.game.state.playState, 1);
    EXPECT_EQ(joiner.levelsStarted, (std::vector<std::string>{"arena_mine.map", "arena_next.map"}));
    EXPECT_TRUE(joinerDir.Read("received/arena_next.map") == next);
    EXPECT_GT(net.bus.lostCount(), 0u);
    EXPECT_EQ(FilesIn(joinerDir.File("received")).size(), 2u);  // nothing half-written is left
    EXPECT_EQ(joinerDir.Read("own/other.map"), "mine");
    EXPECT_NE(joinerDir.Read("log.txt").find("map arena_next.map received from the server"),
              std::string::npos);
    EXPECT_FALSE(joiner.game.maps.failure.has_value());
}

TEST_F(LanWithOwnMaps, HostileTransfersAreRefusedWithTheMapNamedAndNothingKept) {
    // The host is a hand-driven server on the bus that answers every request with one piece.
    struct Case {
        const char* what;
        const char* map;
        const char* pieceName;  // none: no answer
        int32_t size, offset;
        std::string bytes;
    };
    const std::string badLine = "players\n1\nx y z angle\n1 2 three 4\n";
    const Case cases[] = {
        {"too big", "arena_big.map", "arena_big.map", 300000, 0, ""},
        {"not on the server", "arena_none.map", "arena_none.map", 0, 0, ""},
        {"a bad line", "arena_bad.map", "arena_bad.map", 34, 0, badLine},
        {"a piece out of range", "arena_far.map", "arena_far.map", 100, 960, "x"},
        {"pieces under a path", "arena_path.map", "../arena_path.m", 10, 0, "0123456789"},
        {"not a map file name", "arena.txt", nullptr, 0, 0, ""},
        {"a silent server", "arena_mute.map", nullptr, 0, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NetHarness lan;
        TempDir dir;
        NetMachine& machine = lan.AddMachine("10.0.0.2", 22);
        UseOwnFolders(machine, dir);
        dir.Write("own/arena_mine.map", "mine");
        std::unique_ptr<Network> server = lan.bus.CreateEndpoint("10.0.0.1");
        server->Listen(kServerPort);
        JoinGame(machine, "10.0.0.1", "Joe");
        for (int frame = 0; frame < 1000; ++frame) {
            lan.RunFrame(5);
            while (std::optional<Datagram> d = server->Receive(kServerPort)) {
                if (ReadTag(d->bytes) == tmessagetag::kConnect) {
                    tplayerinfo joe = *ParsePlayerRecord(d->bytes);
                    joe.joined = joe.active = 1;
                    tgamesettings settings;
                    settings.running = 1;
                    settings.mapName.Assign(c.map);
                    server->SendTo(d->fromAddress, kClientPort,
                                   BuildJoinAccepted({&joe, 1}, settings));
                } else if (ReadTag(d->bytes) == tmessagetag::kMapRequest && c.pieceName) {
                    tmappiece piece;
                    piece.size = c.size;
                    piece.offset = c.offset;
                    piece.name.Assign(c.pieceName);
                    piece.bytes.assign(c.bytes.begin(), c.bytes.end());
                    server->SendTo(d->fromAddress, kClientPort, BuildMapPiece(piece));
                }
            }
        }
        EXPECT_EQ(machine.game.state.playState, 0);
        EXPECT_FALSE(machine.game.state.connecting);
        EXPECT_TRUE(machine.levelsStarted.empty());
        EXPECT_NE(machine.game.menus.message.message.label.find(c.map), std::string::npos)
            << machine.game.menus.message.message.label;
        EXPECT_TRUE(FilesIn(dir.File("received")).empty());
        EXPECT_EQ(FilesIn(dir.File("own")), std::vector<std::string>{"arena_mine.map"});
        EXPECT_EQ(dir.Read("own/arena_mine.map"), "mine");
    }
}

TEST_F(LanWithOwnMaps, MapMessagesNobodyAskedForChangeNothing) {
    UseOwnFolders(host, hostDir);
    UseOwnFolders(joiner, joinerDir);
    hostDir.Write("own/arena_mine.map", LongMap());
    joinerDir.Write("own/arena_mine.map", LongMap());
    net.Host(host, {.maps = {"arena_mine.map"}, .bots = 1});
    net.Join(joiner, "Joe", 300);
    ASSERT_EQ(joiner.game.state.playState, 1);

    tmaprequest request;
    request.name.Assign("arena_mine.map");
    tmappiece piece;
    piece.name.Assign("arena_mine.map");
    piece.size = 3;
    piece.bytes = {'a', 'b', 'c'};
    struct Case {
        const char* what;
        NetMachine& to;
        bool toServer;
        Datagram datagram;
    };
    const auto bytes = [](const tdatagram& d) { return std::vector<uint8_t>(d.begin(), d.end()); };
    const Case cases[] = {
        // As a build that does not know the tags sees them: at the other side's handler.
        {"a request at a client", joiner, false, {"10.0.0.1", bytes(BuildMapRequest(request))}},
        {"a piece at a server", host, true, {"10.0.0.2", bytes(BuildMapPiece(piece))}},
        {"a piece nobody asked for", joiner, false, {"10.0.0.1", bytes(BuildMapPiece(piece))}},
        {"a stranger's request", host, true, {"10.0.0.9", bytes(BuildMapRequest(request))}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<int32_t> table = IdsOf(c.to.server().serverPlayers);
        const size_t players = c.to.game.play.players.size();
        const std::string map = c.to.client().clientSettings.mapName.Text();
        const uint64_t sent = net.bus.sentCount();
        if (c.toServer) {
            UDPServUDPRead(c.to.game, c.datagram);
        } else {
            UDPServClUDPRead(c.to.game, c.datagram);
        }
        EXPECT_EQ(IdsOf(c.to.server().serverPlayers), table);
        EXPECT_EQ(c.to.game.play.players.size(), players);
        EXPECT_EQ(c.to.client().clientSettings.mapName.Text(), map);
        EXPECT_EQ(net.bus.sentCount(), sent);
        EXPECT_TRUE(FilesIn(joinerDir.File("received")).empty());
    }
}
