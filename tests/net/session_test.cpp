// A host and joining players on one in-memory bus, through whole joins, leaves and level changes.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string_view>

#include "net/client_receive.h"
#include "support/net_harness.h"

namespace {

constexpr const char* kHostAddress = "10.0.0.1";

struct TwoMachines : ::testing::Test {
    NetHarness net;
    NetMachine& host = net.AddMachine(kHostAddress, 11);
    NetMachine& joiner = net.AddMachine("10.0.0.2", 22);
};

}  // namespace

TEST_F(TwoMachines, HostEntersItsGameWithItsBotsAndTheResendsStop) {
    net.Host(host, {.bots = 2}, 200);
    EXPECT_TRUE(host.game.state.hosting);
    EXPECT_EQ(host.game.state.playState, 1);
    EXPECT_TRUE(IsConnected(host.game));
    ASSERT_EQ(host.server().serverPlayers.size(), 3u);
    EXPECT_FALSE(host.server().serverPlayers[0].isBot);
    EXPECT_TRUE(host.server().serverPlayers[1].isBot);
    EXPECT_EQ(host.server().serverPlayers[2].address.View(), "127.0.0.1");
    EXPECT_EQ(IdsOf(TableEntries(host.game.play.players)), IdsOf(host.server().serverPlayers));
    EXPECT_EQ(host.game.play.players.size(), 3u);
    EXPECT_TRUE(host.game.play.players[2].isBot);
    EXPECT_EQ(host.game.state.localPlayerIndex, 0);
    EXPECT_TRUE(host.server().pendingMessages.empty());
    EXPECT_EQ(host.game.traffic.serverStatistics.added, 2);
    EXPECT_EQ(host.levelsStarted, std::vector<std::string>{"arena1.map"});
}

TEST_F(TwoMachines, JoinerSeesTheHostAndBothTablesAgreeInOrder) {
    net.Host(host, {.bots = 1}, 2100);
    ASSERT_EQ(joiner.client().foundServers.size(), 1u);
    EXPECT_EQ(joiner.client().foundServers[0].address.View(), kHostAddress);

    net.Join(joiner, "Joe", 200);
    EXPECT_EQ(joiner.game.state.playState, 1);
    EXPECT_EQ(joiner.client().clientSettings.serverAddress.View(), kHostAddress);
    ASSERT_EQ(host.server().serverPlayers.size(), 3u);
    EXPECT_EQ(IdsOf(TableEntries(joiner.game.play.players)), IdsOf(host.server().serverPlayers));
    EXPECT_EQ(IdsOf(TableEntries(host.game.play.players)), IdsOf(host.server().serverPlayers));
    EXPECT_EQ(joiner.game.state.localPlayerIndex, 2);
    EXPECT_EQ(host.server().serverPlayers[2].address.View(), "10.0.0.2");
    EXPECT_EQ(joiner.levelsStarted, std::vector<std::string>{"arena1.map"});
    const auto& lines = host.client().messageLog.lines;
    const tmessageline joined{.name = "Joe"};
    EXPECT_NE(std::find(lines.begin(), lines.end(), joined), lines.end());
    EXPECT_EQ(host.game.play.players.size(), 3u);
}

TEST_F(TwoMachines, GameInfoMirrorsPositionsBothWays) {
    net.Host(host);
    net.Join(joiner, "Joe");
    ASSERT_EQ(joiner.game.play.players.size(), 2u);
    host.game.play.players[0].model.position = {5, 1, -5};
    host.game.play.players[0].animation = 7;
    joiner.game.play.players[1].model.position = {-3, 2, 8};
    joiner.game.play.players[1].model.yaw = 45;
    net.RunFor(200);
    EXPECT_EQ(joiner.game.play.players[0].model.position, (tvec3{5, 1, -5}));
    EXPECT_EQ(joiner.game.play.players[0].animation, 7);
    EXPECT_EQ(host.game.play.players[1].model.position, (tvec3{-3, 2, 8}));
    EXPECT_EQ(host.game.play.players[1].model.yaw, 45);
    EXPECT_EQ(host.server().serverPlayers[1].position, (tvec3{-3, 2, 8}));
    EXPECT_EQ(host.game.traffic.visitorList.size(), 2u);
}

TEST_F(TwoMachines, BotsAndJoinsGetThroughThirtyPercentLoss) {
    net.bus.SetFaults({.lossChance = 0.3f, .duplicateChance = 0.1f, .reorderChance = 0.2f});
    HostGame(host, {.bots = 4});
    // The host's own join may be lost like any other datagram; the player tries again.
    for (int attempt = 0; attempt < 10 && host.game.state.playState == 0; ++attempt) {
        net.RunFor(1100);
        if (host.game.state.playState == 0) Connect(host.game);
    }
    ASSERT_EQ(host.game.state.playState, 1);
    net.RunFor(500);
    EXPECT_EQ(host.server().serverPlayers.size(), 5u);
    EXPECT_EQ(IdsOf(TableEntries(host.game.play.players)), IdsOf(host.server().serverPlayers));
    EXPECT_EQ(host.game.play.players.size(), 5u);
    EXPECT_TRUE(host.server().pendingMessages.empty());

    JoinGame(joiner, kHostAddress, "Joe");
    for (int attempt = 0; attempt < 10 && joiner.game.state.playState == 0; ++attempt) {
        net.RunFor(1100);
        if (joiner.game.state.playState == 0) Connect(joiner.game);
    }
    ASSERT_EQ(joiner.game.state.playState, 1);
    net.RunFor(1000);
    EXPECT_EQ(IdsOf(TableEntries(joiner.game.play.players)), IdsOf(host.server().serverPlayers));
    EXPECT_EQ(IdsOf(TableEntries(host.game.play.players)), IdsOf(host.server().serverPlayers));
}

TEST(ThreeMachines, LeavingPlayerIsRemovedOnEveryMachine) {
    NetHarness net;
    NetMachine& host = net.AddMachine(kHostAddress, 1);
    NetMachine& joe = net.AddMachine("10.0.0.2", 2);
    NetMachine& ann = net.AddMachine("10.0.0.3", 3);
    net.Host(host, {.bots = 1});
    net.Join(joe, "Joe");
    net.Join(ann, "Ann", 200);
    ASSERT_EQ(host.server().serverPlayers.size(), 4u);
    EXPECT_EQ(ann.game.state.localPlayerIndex, 3);

    net.bus.SetFaults({.lossChance = 0.3f});
    Disconnect(joe.game);
    joe.frozen = true;
    // Its leave is sent once: if that is lost, its silence tells within 9 s.
    net.RunFor(9000);
    std::vector<int32_t> expected = IdsOf(host.server().serverPlayers);
    EXPECT_EQ(expected.size(), 3u);
    EXPECT_EQ(IdsOf(TableEntries(host.game.play.players)), expected);
    EXPECT_EQ(IdsOf(TableEntries(ann.game.play.players)), expected);
    EXPECT_EQ(ann.game.state.localPlayerIndex, 2);
    EXPECT_EQ(ann.game.play.players.size(), 3u);
    EXPECT_TRUE(host.server().departures.empty());
}

TEST_F(TwoMachines, SilentPlayerGoesInactiveLeavesAndIsRemoved) {
    net.Host(host);
    net.Join(joiner, "Joe");
    ASSERT_EQ(host.server().serverPlayers.size(), 2u);
    joiner.frozen = true;
    // Three two-second checks: marked inactive, then out of the game, then its removal queued.
    bool sawInactive = false, sawLeft = false;
    uint32_t silentFor = 0;
    while (host.server().serverPlayers.size() == 2u && silentFor < 20000) {
        const tplayerinfo& joe = host.server().serverPlayers[1];
        sawInactive |= joe.active == 0 && joe.joined == 1;
        sawLeft |= joe.joined == 0;
        net.RunFrame(5);
        silentFor += 5;
    }
    EXPECT_TRUE(sawInactive);
    EXPECT_TRUE(sawLeft);
    EXPECT_GE(silentFor, 7000u);
    EXPECT_LE(silentFor, 9000u);
    EXPECT_EQ(host.server().serverPlayers.size(), 1u);
    EXPECT_EQ(host.game.play.players.size(), 1u);
    EXPECT_EQ(host.game.play.players.size(), 1u);
    EXPECT_TRUE(host.server().departures.empty());
}

TEST_F(TwoMachines, LevelEndsAtTheFragLimitAndEveryoneRestartsOnTheNextMap) {
    net.Host(host, {.maps = {"arena1.map", "arena2.map", "arena3.map"}, .fragLimit = 1});
    net.Join(joiner, "Joe");
    int32_t hostId = host.client().localPlayer.id;
    int32_t joeId = joiner.client().localPlayer.id;

    std::vector<std::string> played;
    for (int level = 0; level < 4; ++level) {
        joiner.client().localPlayer.frags = 1;
        net.RunFor(100);
        SendKill(joiner.game, joeId, hostId);
        net.RunFor(50);
        ASSERT_TRUE(joiner.client().clientSettings.gameOver);
        played.push_back(joiner.client().clientSettings.mapName.Text());
        EXPECT_FALSE(joiner.game.state.spawnConfirmed);
        net.RunFor(4900);
        EXPECT_TRUE(host.client().clientSettings.gameOver);  // still waiting
        net.RunFor(600);
        EXPECT_FALSE(joiner.client().clientSettings.gameOver);
        EXPECT_FALSE(host.client().clientSettings.gameOver);
        EXPECT_TRUE(joiner.game.state.spawnConfirmed);
        EXPECT_TRUE(host.game.state.spawnConfirmed);
        EXPECT_EQ(joiner.client().localPlayer.frags, 0);
    }
    EXPECT_EQ(played,
              (std::vector<std::string>{"arena2.map", "arena3.map", "arena1.map", "arena2.map"}));
    EXPECT_EQ(joiner.levelsStarted.back(), "arena2.map");
    EXPECT_EQ(host.levelsStarted.size(), 5u);
    EXPECT_EQ(host.game.traffic.serverStatistics.endlv2, 8);  // two table entries, four levels
}

// A level that ends with a flag carried, the machines restarting in either order: the next
// level's flags at home are no capture, on either machine (tables of the two levels are never
// compared).
TEST_F(TwoMachines, AFlagCarriedAtALevelEndIsNoCaptureInTheNext) {
    net.bus.SetFaults({.reorderChance = 0.3f, .delayMs = 40, .delayJitterMs = 60});
    net.Host(host,
             {.maps = {"arena1.map", "arena2.map"}, .gameType = kCaptureTheFlag, .fragLimit = 1});
    net.Join(joiner, "Joe");
    const auto captures = [](const NetMachine& machine) {
        const tmessagelog& log = machine.game.client.messageLog;
        return std::count_if(
            log.lines.begin(), log.lines.begin() + log.count,
            [](const tmessageline& line) { return line.event == MessageEvent::kFlagCaptured; });
    };
    for (int level = 0; level < 4; ++level) {
        tgamesettings& settings = host.server().serverSettings;
        settings.redFlag.state = kFlagCarried;
        settings.redFlag.carrier = 0;
        settings.blueFlag.score = 1;  // the next state report ends the level
        net.RunFor(200);
        ASSERT_TRUE(settings.gameOver);
        net.RunFor(5600);  // both machines restart, then play a while
        ASSERT_FALSE(joiner.client().clientSettings.gameOver);
        EXPECT_EQ(captures(joiner), 0) << "level " << level;
        EXPECT_EQ(captures(host), 0) << "level " << level;
        EXPECT_EQ(joiner.client().previousFlagState[1], kFlagAtBase);
    }
}

TEST_F(TwoMachines, FullServerIgnoresFurtherJoins) {
    net.Host(host, {.bots = 8}, 300);
    ASSERT_EQ(host.server().serverPlayers.size(), 9u);
    net.Join(joiner, "Late", 1100);
    EXPECT_EQ(host.server().serverPlayers.size(), 9u);
    EXPECT_EQ(joiner.game.state.playState, 0);
    EXPECT_FALSE(joiner.game.state.connecting);
}

TEST_F(TwoMachines, UnansweredJoinTimesOutAfterOneSecond) {
    JoinGame(joiner, "10.0.0.7", "Nobody");
    net.RunFor(1000);
    EXPECT_TRUE(joiner.game.state.connecting);
    net.RunFor(10);
    EXPECT_FALSE(joiner.game.state.connecting);
    EXPECT_EQ(joiner.game.state.playState, 0);
}

TEST_F(TwoMachines, ClosingServerEndsTheJoinersConnectionAndSilenceDoesToo) {
    net.Host(host);
    net.Join(joiner, "Joe");
    CloseServer(host.game);
    net.RunFor(10);
    EXPECT_FALSE(IsConnected(joiner.game));
    // Back at the main menu, told that the server does not answer.
    EXPECT_EQ(joiner.game.state.playState, 0);
    EXPECT_EQ(joiner.game.menus.screenState, kMessageOverMain);
    EXPECT_EQ(joiner.game.menus.variant, MenuVariant::Main);  // nothing left to continue
    EXPECT_TRUE(joiner.game.play.players.empty());

    NetHarness quiet;
    NetMachine& h = quiet.AddMachine(kHostAddress, 1);
    NetMachine& j = quiet.AddMachine("10.0.0.2", 2);
    quiet.Host(h);
    quiet.Join(j, "Joe");
    ASSERT_TRUE(IsConnected(j.game));
    h.frozen = true;
    quiet.RunFor(4100);
    EXPECT_FALSE(IsConnected(j.game));
}

TEST(ThreeMachines, HostLeavingEndsItsGameAndCanJoinAnother) {
    NetHarness net;
    NetMachine& host = net.AddMachine(kHostAddress, 1);
    NetMachine& joe = net.AddMachine("10.0.0.2", 2);
    NetMachine& other = net.AddMachine("10.0.0.3", 3);
    HostGame(host, {.bots = 2});
    net.Host(other, {.maps = {"arena5.map"}, .bots = 1});
    net.Join(joe, "Joe");
    ASSERT_TRUE(IsConnected(joe.game));

    Disconnect(host.game);
    net.RunFor(10);
    EXPECT_FALSE(IsConnected(joe.game));
    EXPECT_FALSE(host.game.state.hosting);
    EXPECT_TRUE(host.server().serverPlayers.empty());

    JoinGame(host, "10.0.0.3", "Host");
    net.RunFor(200);
    EXPECT_EQ(host.game.state.playState, 1);
    EXPECT_EQ(other.server().serverPlayers.size(), 3u);  // its host, its bot, our former host
    EXPECT_TRUE(host.server().serverPlayers.empty());    // no bots of its own this time
    EXPECT_EQ(host.levelsStarted.back(), "arena5.map");
    EXPECT_EQ(IdsOf(TableEntries(host.game.play.players)), IdsOf(other.server().serverPlayers));
}

TEST(BotNames, NoTwoBotsOfAHostedGameShareAName) {
    for (uint64_t seed : {11u, 22u, 33u}) {
        NetHarness net;
        NetMachine& host = net.AddMachine(kHostAddress, seed);
        net.Host(host, {.bots = 8}, 200);
        std::set<std::string_view> names;
        size_t bots = 0;
        for (const tplayerinfo& player : host.server().serverPlayers) {
            if (!player.isBot) continue;
            ++bots;
            names.insert(player.name.View());
        }
        EXPECT_EQ(bots, 8u) << seed;
        EXPECT_EQ(names.size(), bots) << seed;
    }
}
