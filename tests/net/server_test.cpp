// The server's handler fed datagrams directly: its rules, and its refusal of malformed input.
#include <gtest/gtest.h>

#include "app/game.h"
#include "net/client_session.h"
#include "net/presence.h"
#include "net/server.h"
#include "support/players.h"
#include "support/recording_network.h"
#include "world/level_start.h"

namespace {

struct ServerFixture : ::testing::Test, LoneGame {
    ServerFixture() : LoneGame(1000) {
        Server& server = game.server;
        game.state.hosting = true;
        server.serverIdle = false;
        server.mapList = {"arena1.map", "arena2.map", "arena3.map"};
        server.serverSettings.mapName.Assign("arena1.map");
        server.serverSettings.fragLimit = 5;
        game.world.arena.spawnPoints = {{1, 0, 1, 0, 0}, {2, 0, 2, 90, 1}};
        server.serverPlayers = {Human(100, "Host", "127.0.0.1"), Bot(200), Bot(201),
                                Human(300, "Joe", "10.0.0.2", 1)};
        server.lastHeard.assign(4, 1000);
    }

    void Receive(const std::string& from, const tdatagram& datagram) {
        UDPServUDPRead(game, From(from, datagram));
    }

    std::vector<uint8_t> Snapshot() {
        std::vector<uint8_t> bytes;
        for (const tplayerinfo& p : game.server.serverPlayers) {
            tdatagram d = BuildConnect(p);
            bytes.insert(bytes.end(), d.begin(), d.begin() + 86);
        }
        tdatagram s = BuildEndLevel(game.server.serverSettings);
        bytes.insert(bytes.end(), s.begin(), s.begin() + 94);
        bytes.push_back(static_cast<uint8_t>(game.server.departures.size()));
        bytes.push_back(static_cast<uint8_t>(game.server.pendingMessages.size()));
        return bytes;
    }
};

}  // namespace

TEST_F(ServerFixture, IdleServerIgnoresEverything) {
    game.server.serverIdle = true;
    Receive("10.0.0.5", BuildConnect(Human(5, "New", "")));
    EXPECT_EQ(game.server.serverPlayers.size(), 4u);
    EXPECT_TRUE(network.sent.empty());
}

TEST_F(ServerFixture, JoinIsPlacedAnsweredAndAnnouncedToOtherHumans) {
    tplayerinfo joining = Human(55, "Newcomer", "garbage", 1);
    joining.frags = 9;
    Receive("10.0.0.5", BuildConnect(joining));
    ASSERT_EQ(game.server.serverPlayers.size(), 5u);
    const tplayerinfo& entry = game.server.serverPlayers[4];
    EXPECT_EQ(entry.address.View(), "10.0.0.5");
    EXPECT_EQ(entry.frags, 0);
    EXPECT_TRUE(entry.position == (tvec3{1, 0, 1}) || entry.position == (tvec3{2, 0, 2}));
    EXPECT_EQ(game.server.lastHeard[4], 11000u);

    auto accepted = network.Tagged(tmessagetag::kJoinAccepted);
    ASSERT_EQ(accepted.size(), 1u);
    EXPECT_EQ(accepted[0].address, "10.0.0.5");
    EXPECT_EQ(accepted[0].port, kClientPort);
    auto added = network.Tagged(tmessagetag::kAdded);
    ASSERT_EQ(added.size(), 2u);  // the host and Joe, not the bots, not the newcomer
    EXPECT_EQ(added[0].address, "127.0.0.1");
    EXPECT_EQ(added[1].address, "10.0.0.2");
    // Each is resent until that machine acknowledges it.
    EXPECT_EQ(game.server.pendingMessages.size(), 2u);
    Receive("10.0.0.2", BuildAddedAck(game.server.pendingMessages[1].id));
    EXPECT_EQ(game.server.pendingMessages.size(), 1u);

    network.sent.clear();
    Receive("10.0.0.6", BuildConnect(Human(55, "Twin", "")));
    EXPECT_EQ(game.server.serverPlayers.size(), 5u);
    EXPECT_TRUE(network.sent.empty());
}

TEST_F(ServerFixture, JoinWithoutSpawnPointsIsNotAnsweredAndLeavesNoEntry) {
    game.world.arena.spawnPoints.clear();
    Receive("10.0.0.5", BuildConnect(Human(55, "Newcomer", "")));
    EXPECT_EQ(game.server.serverPlayers.size(), 4u);
    EXPECT_TRUE(network.sent.empty());
}

TEST_F(ServerFixture, BulletFromTheHostReachesOtherHumansOnly) {
    Receive("127.0.0.1", BuildBulletStart({1, 0, {0, 1, 0}, {1, 0, 0}}));
    auto forwarded = network.Tagged(tmessagetag::kBulletStart);
    ASSERT_EQ(forwarded.size(), 1u);
    EXPECT_EQ(forwarded[0].address, "10.0.0.2");

    network.sent.clear();
    Receive("10.0.0.2", BuildBulletFinish({1, 1, 0}));
    // Once for the host and once per bot: all three share the host's address.
    EXPECT_EQ(network.Tagged(tmessagetag::kBulletFinish).size(), 3u);
    EXPECT_EQ(game.traffic.serverStatistics.bulfn, 3);

    network.sent.clear();
    Receive("10.0.0.2", BuildBulletStart({2, 7, {0, 1, 0}, {1, 0, 0}}));  // no player 7
    EXPECT_TRUE(network.sent.empty());
}

// The limit is tested whenever a score changes, on the server's own count of the kills it
// accepted: a human's report of its frags may lag behind two quick kills. 0 means no limit.
TEST_F(ServerFixture, LevelEndsWhenAScoreReachesTheLimit) {
    struct Case {
        const char* what;
        uint8_t gameType;
        uint8_t limit;
        const char* killerAddress;
        int32_t killerId;
        int32_t kills;
        uint8_t captures;
        bool ends;
    };
    const Case cases[] = {
        {"two kills within one report period", kDeathMatch, 2, "10.0.0.2", 300, 2, 0, true},
        {"one kill short", kDeathMatch, 3, "10.0.0.2", 300, 2, 0, false},
        {"a bot's kills", kDeathMatch, 2, "127.0.0.1", 201, 2, 0, true},
        {"team kills", kTeamDeathMatch, 2, "10.0.0.2", 300, 2, 0, true},
        {"a capture", kCaptureTheFlag, 1, "10.0.0.2", 300, 0, 1, true},
        {"no limit in deathmatch", kDeathMatch, 0, "10.0.0.2", 300, 9, 0, false},
        {"no limit in capture the flag", kCaptureTheFlag, 0, "10.0.0.2", 300, 0, 3, false},
    };
    for (const Case& c : cases) {
        tgamesettings& settings = game.server.serverSettings;
        settings.gameOver = 0;
        settings.gameType = c.gameType;
        settings.fragLimit = c.limit;
        ClearLevelScore(game.server.levelScore, settings);
        network.sent.clear();
        for (int32_t k = 0; k < c.kills; ++k)
            Receive(c.killerAddress, BuildKill({c.killerId, 100}));
        settings.redFlag.score = c.captures;
        Receive("10.0.0.2", BuildClientGameInfo(300, Human(300, "Joe", "", 1)));
        EXPECT_EQ(settings.gameOver != 0, c.ends) << c.what;
        // To every entry, bots included: the host hears it three times.
        EXPECT_EQ(network.Tagged(tmessagetag::kEndLevel).size(), c.ends ? 4u : 0u) << c.what;
    }
    // A kill in a level that is over neither scores nor ends it again.
    game.server.serverSettings.gameOver = 1;
    network.sent.clear();
    Receive("10.0.0.2", BuildKill({300, 100}));
    EXPECT_TRUE(network.sent.empty());
}

TEST_F(ServerFixture, TeamDeathMatchCountsTeamKills) {
    game.server.serverSettings.gameType = kTeamDeathMatch;
    game.server.serverSettings.fragLimit = 2;
    Receive("10.0.0.2", BuildKill({300, 100}));
    EXPECT_EQ(game.server.serverSettings.redFlag.score, 1);
    EXPECT_FALSE(game.server.serverSettings.gameOver);
    Receive("10.0.0.2", BuildKill({300, 100}));
    EXPECT_TRUE(game.server.serverSettings.gameOver);
}

TEST_F(ServerFixture, CaptureTheFlagEndsOnTheNextReportAfterTheScore) {
    tgamesettings& settings = game.server.serverSettings;
    settings.gameType = kCaptureTheFlag;
    settings.fragLimit = 3;
    settings.blueFlag.score = 3;
    Receive("10.0.0.2", BuildClientGameInfo(300, Human(300, "Joe", "", 1)));
    EXPECT_TRUE(settings.gameOver);
    EXPECT_EQ(network.Tagged(tmessagetag::kEndLevel).size(), 4u);
    EXPECT_EQ(game.traffic.serverStatistics.endlv, 4);
    network.sent.clear();
    Receive("10.0.0.2", BuildClientGameInfo(300, Human(300, "Joe", "", 1)));
    EXPECT_TRUE(network.Tagged(tmessagetag::kEndLevel).empty());
}

TEST_F(ServerFixture, MapRotationOfThreeMapsPlaysOneTwoZeroOne) {
    std::vector<int32_t> played;
    game.server.serverSettings.fragLimit = 1;
    for (int level = 0; level < 4; ++level) {
        game.server.serverSettings.gameOver = 0;
        ClearLevelScore(game.server.levelScore, game.server.serverSettings);
        Receive("127.0.0.1", BuildKill({201, 300}));
        played.push_back(game.server.mapIndex);
    }
    EXPECT_EQ(played, (std::vector<int32_t>{1, 2, 0, 1}));
}

TEST_F(ServerFixture, StateReportUpdatesTheEntryAndCountsTheVisitor) {
    tplayerinfo report = Human(300, "Joe", "1.1.1.1", 1);
    report.position = {4, 5, 6};
    report.id = 100;   // a report may not take another player's id
    report.isBot = 1;  // nor turn its sender into a bot
    clock.Advance(500);
    Receive("10.0.0.2", BuildClientGameInfo(300, report));
    Receive("10.0.0.2", BuildClientGameInfo(300, report));
    Receive("10.0.0.9", BuildClientGameInfo(999, report));
    const tplayerinfo& joe = game.server.serverPlayers[3];
    EXPECT_EQ(joe.position, (tvec3{4, 5, 6}));
    EXPECT_EQ(joe.address.View(), "10.0.0.2");
    EXPECT_EQ(joe.id, 300);
    EXPECT_EQ(joe.isBot, 0);
    EXPECT_EQ(game.server.lastHeard[3], 1500u);
    ASSERT_EQ(game.traffic.visitorList.size(), 2u);
    EXPECT_EQ(game.traffic.visitorList[0].count, 2);
    EXPECT_EQ(game.traffic.visitorList[1].address, "10.0.0.9");
    auto replies = network.Tagged(tmessagetag::kGameInfo);
    ASSERT_EQ(replies.size(), 2u);  // the unknown id gets none
    EXPECT_EQ(replies[0].address, "10.0.0.2");
}

TEST_F(ServerFixture, RespawnRequestIsAnsweredWithASpawnPointAwayFromThoseGivenOut) {
    game.world.arena.spawnPoints = {{0, 0, 1, 0, 0}, {10, 0, 1, 0, 0}, {40, 0, 1, 0, 0}};
    game.server.serverPlayers[3].frags = 7;
    Receive("10.0.0.2", BuildRespawnRequest(300));
    auto placements = network.Tagged(tmessagetag::kRespawn);
    ASSERT_EQ(placements.size(), 1u);
    EXPECT_EQ(placements[0].address, "10.0.0.2");
    std::optional<tplayerinfo> placement = ParsePlayerRecord(placements[0].bytes);
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->id, 300);
    EXPECT_EQ(placement->frags, 0);
    EXPECT_EQ(placement->name.length, 0);
    Receive("10.0.0.2", BuildRespawnRequest(12345));
    EXPECT_EQ(network.Tagged(tmessagetag::kRespawn).size(), 1u);
    // The server's own bot starts the level with its score cleared at once, as far from Joe as
    // the map allows.
    game.server.serverPlayers[1].frags = 4;
    Receive("127.0.0.1", BuildRespawnRequest(200));
    EXPECT_EQ(game.server.serverPlayers[1].frags, 0);
    const auto answerX = [&](size_t n) {
        return ParsePlayerRecord(network.Tagged(tmessagetag::kRespawn).at(n).bytes)->position.x;
    };
    EXPECT_EQ(answerX(1), placement->position.x == 40 ? 0 : 40);
    // Joe asking again (the answer was lost) stands where he was sent.
    Receive("10.0.0.2", BuildRespawnRequest(300));
    EXPECT_EQ(answerX(2), placement->position.x);
}

TEST_F(ServerFixture, AcknowledgementRemovesOnlyTheFirstMatchingResend) {
    std::vector<tpendingmessage>& pending = game.server.pendingMessages;
    pending = {{7, {}, {}}, {8, {}, {}}, {7, {}, {}}};
    for (tpendingmessage& message : pending) message.address.Assign("10.0.0.2");
    Receive("10.0.0.9", BuildAddedAck(7));  // not where the message went
    EXPECT_EQ(pending.size(), 3u);
    Receive("10.0.0.2", BuildAddedAck(7));
    ASSERT_EQ(pending.size(), 2u);
    EXPECT_EQ(pending[0].id, 8);
    EXPECT_EQ(pending[1].id, 7);
    Receive("10.0.0.2", BuildAddedAck(99));
    EXPECT_EQ(pending.size(), 2u);
}

TEST_F(ServerFixture, PendingResendsGrowPastTwentyOneAndAreSentEveryFrame) {
    for (int32_t i = 0; i < 30; ++i) {
        tpendingmessage message{i, {}, BuildAddedAck(i)};
        message.address.Assign("10.0.0.2");
        game.server.pendingMessages.push_back(message);
    }
    RunServerFrameDuties(game);
    EXPECT_EQ(network.sent.size(), 30u);
    EXPECT_EQ(game.traffic.serverStatistics.addlist, 30);
}

TEST_F(ServerFixture, RemovalCompletesWhenEveryRecipientConfirmed) {
    Server& server = game.server;
    server.serverPlayers.push_back(Human(400, "Ann", "10.0.0.3"));
    server.lastHeard.push_back(1000);
    Receive("10.0.0.2", BuildDisconnect(300));
    ASSERT_EQ(server.departures.size(), 1u);
    EXPECT_EQ(server.departures[0].recipients, (std::vector<int32_t>{100, 400}));

    RunServerFrameDuties(game);
    auto notices = network.Tagged(tmessagetag::kPlayerDeleted);
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[1].address, "10.0.0.3");

    Receive("10.0.0.9", BuildDeletedAck({300, 999}));  // not a recipient
    EXPECT_EQ(server.departures[0].recipients.size(), 2u);
    Receive("127.0.0.1", BuildDeletedAck({300, 100}));
    EXPECT_EQ(server.serverPlayers.size(), 5u);
    Receive("10.0.0.3", BuildDeletedAck({300, 400}));
    EXPECT_EQ(server.serverPlayers.size(), 4u);
    EXPECT_EQ(FindServerPlayer(server, 300), -1);
    EXPECT_EQ(server.lastHeard.size(), 4u);
    EXPECT_TRUE(server.departures.empty());
}

TEST_F(ServerFixture, RecipientThatLeavesIsNoLongerWaitedFor) {
    Server& server = game.server;
    server.serverPlayers.push_back(Human(400, "Ann", "10.0.0.3"));
    server.lastHeard.push_back(1000);
    tpendingmessage toAnn{5, {}, BuildAddedAck(5)};
    toAnn.address.Assign("10.0.0.3");
    server.pendingMessages.push_back(toAnn);

    Receive("10.0.0.2", BuildDisconnect(300));
    Receive("127.0.0.1", BuildDeletedAck({300, 100}));
    EXPECT_EQ(server.serverPlayers.size(), 5u);  // Ann has not confirmed yet
    Receive("10.0.0.3", BuildDisconnect(400));   // and never will
    EXPECT_EQ(FindServerPlayer(server, 300), -1);
    Receive("127.0.0.1", BuildDeletedAck({400, 100}));
    EXPECT_EQ(FindServerPlayer(server, 400), -1);
    EXPECT_TRUE(server.departures.empty());
    EXPECT_TRUE(server.pendingMessages.empty());  // nobody left there to acknowledge
}

TEST_F(ServerFixture, SilentHumanIsTimedOutInThreeChecks) {
    Server& server = game.server;
    clock.Advance(3000);
    server.lastHeard[0] = clock.now;  // the host keeps reporting
    RunServerTimeoutCheck(game);
    EXPECT_EQ(server.serverPlayers[3].active, 0);
    EXPECT_EQ(server.serverPlayers[3].joined, 1);
    EXPECT_EQ(server.serverPlayers[1].active, 1);  // bots never time out
    RunServerTimeoutCheck(game);
    EXPECT_EQ(server.serverPlayers[3].joined, 0);
    EXPECT_TRUE(server.departures.empty());
    RunServerTimeoutCheck(game);
    ASSERT_EQ(server.departures.size(), 1u);
    RunServerTimeoutCheck(game);
    EXPECT_EQ(server.departures.size(), 1u);  // queued once, not once per check

    // A player still inside its join grace period is not silent.
    server.serverPlayers.push_back(Human(500, "Fresh", "10.0.0.7"));
    server.lastHeard.push_back(clock.now + kJoinGraceMs);
    RunServerTimeoutCheck(game);
    EXPECT_EQ(server.serverPlayers.back().active, 1);
}

TEST_F(ServerFixture, ClosingTellsEveryJoinedPlayer) {
    CloseServer(game);
    auto closed = network.Tagged(tmessagetag::kServerClosed);
    ASSERT_EQ(closed.size(), 2u);
    EXPECT_EQ(closed[1].address, "10.0.0.2");
    BroadcastPresence(game);
    EXPECT_EQ(network.sent.back().address, "255.255.255.255");
    EXPECT_TRUE(ParsePresence(network.sent.back().bytes));  // "my_ip" and a readable record
}

TEST_F(ServerFixture, MalformedDatagramsLeaveTheServerAsItWas) {
    std::vector<uint8_t> before = Snapshot();
    std::vector<tdatagram> bad;
    tdatagram longName = BuildConnect(Human(77, "X", ""));
    longName[6] = 17;
    bad.push_back(longName);
    tdatagram nan = BuildClientGameInfo(300, Human(300, "Joe", ""));
    for (int i = 0; i < 4; ++i) nan[10 + 44 + i] = 0xFF;
    bad.push_back(nan);
    bad.push_back(BuildBulletStart({1, -1, {}, {}}));
    bad.push_back(BuildKill({300, 4242}));  // unknown victim
    bad.push_back(BuildKill({4242, 300}));  // unknown killer
    bad.push_back(BuildDisconnect(4242));
    for (const tdatagram& datagram : bad) Receive("10.0.0.2", datagram);
    tdatagram full = BuildClientGameInfo(300, Human(300, "Joe", ""));
    for (size_t length : {0u, 3u, 6u, 9u, 89u}) {
        UDPServUDPRead(game, Datagram{"10.0.0.2", {full.begin(), full.begin() + length}});
    }
    EXPECT_EQ(Snapshot(), before);
    EXPECT_TRUE(network.sent.empty());
    EXPECT_TRUE(game.traffic.visitorList.empty());
}

TEST_F(ServerFixture, FullTableRefusesJoins) {
    while (game.server.serverPlayers.size() < 8) game.server.serverPlayers.push_back(Bot(900));
    Receive("10.0.0.5", BuildConnect(Human(55, "Late", "")));
    EXPECT_EQ(game.server.serverPlayers.size(), 8u);
    EXPECT_TRUE(network.sent.empty());
}

TEST_F(ServerFixture, VisitorListStopsGrowingAtItsBound) {
    for (int32_t id = 0; id < 300; ++id) {
        Receive("10.0.0.9", BuildClientGameInfo(5000 + id, Human(5000 + id, "Ghost", "")));
    }
    EXPECT_EQ(game.traffic.visitorList.size(), kMaxVisitors);
    EXPECT_TRUE(network.sent.empty());  // none of them is a player
}

// Each machine speaks for its own player (the host for its bots too): what another machine, or
// one that never joined, says in a player's name changes nothing and gets no answer.
TEST_F(ServerFixture, MessagesAboutAPlayerAreTakenOnlyFromItsMachine) {
    std::vector<uint8_t> before = Snapshot();
    tplayerinfo forged = Human(300, "Forged", "", 1);
    forged.position = {77, 1, 77};
    for (const char* from : {"10.0.0.9", "10.0.0.2"}) {
        for (int32_t id : {100, 200}) {  // the host and a bot
            Receive(from, BuildClientGameInfo(id, forged));
            Receive(from, BuildDisconnect(id));
            Receive(from, BuildRespawnRequest(id));
            Receive(from, BuildKill({id, 300}));
            Receive(from, BuildDeletedAck({300, id}));
        }
        Receive(from, BuildBulletStart({1, 0, {0, 1, 0}, {1, 0, 0}}));  // the host's bullet
    }
    Receive("10.0.0.9", BuildClientGameInfo(300, forged));
    Receive("10.0.0.9", BuildDisconnect(300));
    Receive("10.0.0.9", BuildBulletFinish({1, 1, 0}));
    Receive("10.0.0.2", BuildRespawnRequest(31999));  // nobody has that id
    EXPECT_EQ(Snapshot(), before);
    EXPECT_TRUE(network.sent.empty());
    EXPECT_EQ(game.server.serverPlayers[3].address.View(), "10.0.0.2");
    EXPECT_EQ(game.server.serverPlayers[1].address.View(), "127.0.0.1");
}

TEST_F(ServerFixture, JoinFromAMachineAlreadyPlayingTakesOverItsEntry) {
    Server& server = game.server;
    server.serverPlayers.push_back(Human(400, "Ann", "10.0.0.3"));
    server.lastHeard.push_back(1000);
    Receive("10.0.0.3", BuildDisconnect(400));  // Joe still owes a confirmation of Ann's leave
    ASSERT_EQ(server.departures.size(), 1u);

    // Another copy of the game on a machine whose player still reports is a new player: the
    // host's own entry, reporting every 50 ms, is never taken over.
    server.lastHeard[0] = clock.now - 50;
    Receive("127.0.0.1", BuildConnect(Human(500, "Copy", "")));
    EXPECT_EQ(server.serverPlayers[0].id, 100);
    server.serverPlayers.pop_back();
    server.lastHeard.pop_back();
    network.sent.clear();

    // Joe's answer was lost and he tries again under a new id: same place, nothing left behind.
    // His old game had confirmed Ann's leave; the new one starts from a table that lists her.
    Receive("10.0.0.2", BuildDeletedAck({400, 300}));
    server.lastHeard[3] = clock.now + kJoinGraceMs;  // joined, never heard from
    Receive("10.0.0.2", BuildConnect(Human(301, "Joe", "", 1)));
    ASSERT_EQ(server.serverPlayers.size(), 5u);
    EXPECT_EQ(server.serverPlayers[3].id, 301);
    EXPECT_EQ(server.lastHeard[3], clock.now + kJoinGraceMs);
    // The copy joined while Ann's departure was being confirmed: it owes a confirmation too,
    // and so does Joe's new game.
    EXPECT_EQ(server.departures[0].recipients, (std::vector<int32_t>{100, 500, 301}));
    auto accepted = network.Tagged(tmessagetag::kJoinAccepted);
    ASSERT_EQ(accepted.size(), 1u);
    EXPECT_EQ(accepted[0].address, "10.0.0.2");

    // Ann is on her way out: her machine joining again is a new player.
    Receive("10.0.0.3", BuildConnect(Human(402, "Ann", "")));
    EXPECT_EQ(server.serverPlayers.size(), 6u);

    // A flood of joins under made-up ids from one machine holds one place.
    for (int32_t id = 1000; id < 1200; ++id) Receive("10.0.0.5", BuildConnect(Human(id, "F", "")));
    EXPECT_EQ(server.serverPlayers.size(), 7u);
    EXPECT_EQ(server.serverPlayers.back().id, 1199);
    // And a full table still lets a player already in it join again.
    while (server.serverPlayers.size() < 8) server.serverPlayers.push_back(Bot(900));
    Receive("10.0.0.2", BuildConnect(Human(302, "Joe", "", 1)));
    EXPECT_EQ(server.serverPlayers[3].id, 302);
    EXPECT_EQ(server.serverPlayers.size(), 8u);
}
