// The client's handler fed server datagrams directly: mirroring, events, and refusals.
#include <gtest/gtest.h>

#include "app/game.h"
#include "app/game_step.h"
#include "app/hud_words.h"
#include "game/bullets.h"
#include "net/client_receive.h"
#include "net/client_session.h"
#include "net/server.h"
#include "sound/player_channels.h"
#include "support/fake_audio.h"
#include "support/players.h"
#include "support/recording_network.h"

namespace {

std::string English(const tmessageline& line) {
    return MessageLineText(line, Language::kEnglish);
}

constexpr const char* kServer = "10.0.0.1";
constexpr const char* kRemote = "10.0.0.9";

struct ClientFixture : ::testing::Test, LoneGame {
    ClientFixture() : LoneGame(5000) {
        game.client.serverDestination = kServer;
        game.client.clientSettings.serverAddress.Assign(kServer);
        game.client.levelHooks.startLevel = [this](Session&, const std::string& map) {
            levels.push_back(map);
            return true;
        };
        settings.mapName.Assign("arena1.map");
        settings.running = 1;
        table = {Human(1, "Host", kRemote), Bot(2)};
    }

    void Receive(const tdatagram& datagram, const std::string& from = kServer) {
        UDPServClUDPRead(game, From(from, datagram));
        DeliverMatchSounds(game);
    }

    // Joins as player 3 at the end of the table.
    void Join() {
        Connect(game);
        table.push_back(Human(game.client.localPlayer.id, "Me", kRemote));
        Receive(BuildJoinAccepted(table, settings));
        network.sent.clear();
    }

    // One of player `index`'s channels, as the sound device sees it.
    const FakeAudio::Channel& Channel(size_t index, SoundBuffer PlayerChannels::*which) {
        return sounds.Of(ChannelsOf(game.sound, index)->*which);
    }

    TestSounds sounds{game.sound};
    FakeAudio& audio = sounds.audio;
    tgamesettings settings;
    std::vector<tplayerinfo> table;
    std::vector<std::string> levels;
};

}  // namespace

TEST_F(ClientFixture, AcceptedJoinBuildsTheTablesAndEntersPlay) {
    Join();
    Client& client = game.client;
    EXPECT_EQ(game.state.playState, 1);
    EXPECT_TRUE(IsConnected(game));
    EXPECT_FALSE(game.state.connecting);
    EXPECT_EQ(game.state.localPlayerIndex, 2);
    EXPECT_EQ(game.play.players.size(), 3u);
    EXPECT_TRUE(game.play.players[1].isBot);
    EXPECT_EQ(client.localPlayer.joined, 1);
    EXPECT_EQ(levels, std::vector<std::string>{"arena1.map"});
    // Every head wears one of the six head skins.
    for (const MatchPlayer& player : game.play.players) {
        EXPECT_GE(player.headSkinFrame, 0);
        EXPECT_LT(player.headSkinFrame, 6);
    }
    EXPECT_EQ(game.play.players[0].bodySkinFrame, 0);  // deathmatch keeps the default skin

    // A second copy of the acceptance changes nothing.
    Receive(BuildJoinAccepted(table, settings));
    EXPECT_EQ(game.play.players.size(), 3u);
    EXPECT_EQ(levels.size(), 1u);
}

TEST_F(ClientFixture, TeamGamesGiveTeamSkins) {
    settings.gameType = kTeamDeathMatch;
    table[0].team = 0;
    table[1].team = 1;
    Join();
    EXPECT_EQ(game.play.players[0].bodySkinFrame, 1);
    EXPECT_EQ(game.play.players[1].bodySkinFrame, 2);
}

TEST_F(ClientFixture, AddedIsAcknowledgedEveryTimeButAppliedOnce) {
    Join();
    table.push_back(Human(4, "Ann", kRemote));
    Receive(BuildAdded(table, settings, 77));
    Receive(BuildAdded(table, settings, 77));
    auto acks = network.Tagged(tmessagetag::kAddedAck);
    ASSERT_EQ(acks.size(), 2u);
    EXPECT_EQ(acks[0].address, kServer);
    EXPECT_EQ(acks[0].port, kServerPort);
    EXPECT_EQ(ParseSingleId(acks[0].bytes), 77);
    EXPECT_EQ(game.play.players.size(), 4u);
    EXPECT_EQ(game.client.messageLog.count, 1);  // the repeat announces no one
    EXPECT_EQ(English(game.client.messageLog.lines[0]), "Ann joined the game");
    EXPECT_EQ(levels.size(), 1u);  // the same map is not rebuilt
}

TEST_F(ClientFixture, AnnouncementsThatOvertakeEachOtherNameEveryNewcomerOnce) {
    Join();
    std::vector<tplayerinfo> withAnn = table;
    withAnn.push_back(Human(4, "Ann", kRemote));
    std::vector<tplayerinfo> withBoth = withAnn;
    withBoth.push_back(Human(5, "Bob", kRemote));
    Receive(BuildAdded(withBoth, settings, 2));
    Receive(BuildAdded(withAnn, settings, 1));
    const tmessagelog& log = game.client.messageLog;
    ASSERT_EQ(log.count, 2);
    EXPECT_EQ(English(log.lines[0]), "Ann joined the game");
    EXPECT_EQ(English(log.lines[1]), "Bob joined the game");
}

TEST_F(ClientFixture, GameInfoMovesOthersAndSwitchesTheirMovementSounds) {
    Join();
    table[0].position = {3, 4, 5};
    table[0].animation = 7;
    table[2].position = {9, 9, 9};  // our own entry is ours to move
    Receive(BuildServerGameInfo(table, settings));
    EXPECT_EQ(game.play.players[0].model.position, (tvec3{3, 4, 5}));
    EXPECT_NE(game.play.players[2].model.position, (tvec3{9, 9, 9}));
    EXPECT_TRUE(Channel(0, &PlayerChannels::sprint).playing);
    EXPECT_TRUE(Channel(0, &PlayerChannels::sprint).looping);
    EXPECT_FALSE(Channel(0, &PlayerChannels::walk).playing);
    EXPECT_TRUE(game.state.heardFromServer);

    table[0].animation = -1;
    Receive(BuildServerGameInfo(table, settings));
    EXPECT_FALSE(Channel(0, &PlayerChannels::sprint).playing);
    EXPECT_FALSE(Channel(0, &PlayerChannels::walk).playing);
    table[0].animation = 2;
    Receive(BuildServerGameInfo(table, settings));
    EXPECT_TRUE(Channel(0, &PlayerChannels::walk).looping);
    EXPECT_EQ(Channel(0, &PlayerChannels::walk).playCount, 1);
    Receive(BuildServerGameInfo(table, settings));
    EXPECT_EQ(Channel(0, &PlayerChannels::walk).playCount, 1);  // unchanged: no restart
}

TEST_F(ClientFixture, OtherPlayersSoundFainterTheFartherTheyStandInPlay) {
    Join();
    table[0].position = {100, 1000, 0};  // height does not count
    table[1].position = {0, 0, 300};
    Receive(BuildServerGameInfo(table, settings));
    RunGameStep(game);
    const int32_t near = Channel(0, &PlayerChannels::fire).attenuation;
    const int32_t far = Channel(1, &PlayerChannels::walk).attenuation;
    EXPECT_EQ(near, -1250);  // half as loud at 100 units
    EXPECT_LT(far, near);
    EXPECT_GT(far, kSilentAttenuation);
    EXPECT_EQ(Channel(1, &PlayerChannels::fire).attenuation, far);
    EXPECT_EQ(Channel(2, &PlayerChannels::fire).attenuation, 0);  // our own: the volume setting
}

TEST_F(ClientFixture, GameInfoRecordsWithoutAModelWaitForTheirAnnouncement) {
    Join();
    table.push_back(Human(4, "Ann", kRemote));
    Receive(BuildServerGameInfo(table, settings));
    EXPECT_EQ(game.play.players.size(), 3u);
    EXPECT_EQ(FindPlayerSlot(game.play.players, 0), -1);
}

TEST_F(ClientFixture, KillLineOfTwoLongNamesIsExactlyForty) {
    table[0].name.Assign("AAAAAAAAAAAAAAAA");
    Join();
    game.play.players[1].entry.name.Assign("BBBBBBBBBBBBBBBB");
    Receive(BuildKill({1, 2}));
    EXPECT_EQ(English(game.client.messageLog.lines[0]), "AAAAAAAAAAAAAAAA killed BBBBBBBBBBBBBBBB");
    EXPECT_EQ(English(game.client.messageLog.lines[0]).size(), 40u);
    EXPECT_TRUE(Channel(0, &PlayerChannels::death).playing);  // on the killer's channel

    Receive(BuildKill({1, game.client.localPlayer.id}));
    EXPECT_EQ(game.client.localPlayer.deaths, 1);
    EXPECT_TRUE(game.state.localDeathPending);

    size_t lines = static_cast<size_t>(game.client.messageLog.count);
    Receive(BuildKill({1, 999}));
    EXPECT_EQ(static_cast<size_t>(game.client.messageLog.count), lines);
}

TEST_F(ClientFixture, DeathsStopAt127LikeFragsForUsAndForTheHostsBots) {
    game.state.hosting = true;
    Join();
    game.server.serverPlayers = table;
    game.server.serverIdle = false;
    for (int kill = 0; kill < 130; ++kill) {
        Receive(BuildKill({1, game.client.localPlayer.id}));
        UDPServUDPRead(game, From(kRemote, BuildKill({1, 2})));  // the bot: the server's own
    }
    EXPECT_EQ(game.client.localPlayer.deaths, 127);
    EXPECT_EQ(game.server.serverPlayers[1].deaths, 127);
}

TEST_F(ClientFixture, BulletThatHitAPlayerThisMachineNeverHeardOfStillEnds) {
    Join();
    // The shooter's machine knows a sixth player whose "added" never arrived here.
    Receive(BuildBulletStart({50, 0, {1, 2, 3}, {0, 0, 1}}));
    ASSERT_EQ(game.play.bullets.size(), 1u);
    Receive(BuildBulletFinish({50, 1, 5}));
    EXPECT_TRUE(game.play.bullets.empty());
    ASSERT_EQ(game.client.impacts.size(), 1u);  // it still explodes where it ended
    EXPECT_EQ(game.client.impacts[0].bullet.position, (tvec3{1, 2, 3}));
}

TEST_F(ClientFixture, HostDrawsARemoteBulletOncePerCopyAndEachEndRemovesOne) {
    game.state.hosting = true;
    Join();
    // Forwarded once for the host and once for its bot: two copies reach this machine.
    for (int copy = 0; copy < 2; ++copy) Receive(BuildBulletStart({42, 0, {0, 1, 0}, {0, 0, 1}}));
    ASSERT_EQ(game.play.bullets.size(), 2u);
    EXPECT_EQ(game.play.bullets[0].yaw, game.play.players[0].model.yaw + 180);
    EXPECT_EQ(game.play.players[0].muzzleStartTime, 5000u);
    EXPECT_EQ(Channel(0, &PlayerChannels::fire).playCount, 2);
    Receive(BuildBulletFinish({42, 0, 3}));
    EXPECT_EQ(game.play.bullets.size(), 1u);
    EXPECT_EQ(game.client.impacts.size(), 1u);
    Receive(BuildBulletFinish({42, -1, -1}));
    EXPECT_TRUE(game.play.bullets.empty());
    EXPECT_EQ(game.client.impacts.size(), 1u);  // flew out of the arena: no explosion

    Receive(BuildBulletStart({43, 3, {}, {}}));  // no player 3
    Receive(BuildBulletStart({43, -1, {}, {}}));
    EXPECT_TRUE(game.play.bullets.empty());
}

TEST_F(ClientFixture, DepartureRemovesThePlayerAndShiftsBulletOwners) {
    Join();
    table.push_back(Human(4, "Ann", kRemote));
    Receive(BuildAdded(table, settings, 1));
    Receive(BuildBulletStart({1, 0, {}, {}}));
    Receive(BuildBulletStart({2, 3, {}, {}}));
    network.sent.clear();
    std::vector<int32_t> heads;
    for (const MatchPlayer& player : game.play.players) heads.push_back(player.headSkinFrame);

    Receive(BuildPlayerDeleted(1), "10.0.0.1");
    auto acks = network.Tagged(tmessagetag::kDeletedAck);
    ASSERT_EQ(acks.size(), 1u);
    EXPECT_EQ(ParseDeletedAck(acks[0].bytes)->senderId, game.client.localPlayer.id);
    EXPECT_EQ(game.state.localPlayerIndex, 1);
    ASSERT_EQ(game.play.bullets.size(), 1u);
    EXPECT_EQ(game.play.bullets[0].ownerIndex, 2);
    EXPECT_EQ(game.play.players.size(), 3u);
    EXPECT_EQ(game.play.players[0].entry.id, 2);
    // Those who moved up a slot keep their heads.
    for (size_t i = 0; i < game.play.players.size(); ++i)
        EXPECT_EQ(game.play.players[i].headSkinFrame, heads[i + 1]);

    // The server keeps listing the departed until all confirmed: its records are left out, and
    // a repeated notice is confirmed again in case the first confirmation was lost.
    Receive(BuildServerGameInfo(table, settings));
    EXPECT_EQ(game.play.players[0].entry.id, 2);
    EXPECT_EQ(game.play.players.size(), 3u);
    Receive(BuildPlayerDeleted(1));
    EXPECT_EQ(network.Tagged(tmessagetag::kDeletedAck).size(), 2u);
    EXPECT_EQ(game.play.players.size(), 3u);
    Receive(BuildPlayerDeleted(12345));  // never known: not answered
    EXPECT_EQ(network.Tagged(tmessagetag::kDeletedAck).size(), 2u);
}

TEST_F(ClientFixture, LevelEndThenRestartOnTheNewMap) {
    Join();
    tgamesettings next = settings;
    next.mapName.Assign("arena2.map");
    next.gameOver = 1;
    Receive(BuildEndLevel(next));
    EXPECT_TRUE(game.client.clientSettings.gameOver);
    EXPECT_FALSE(game.state.spawnConfirmed);
    EXPECT_EQ(game.client.clientSettings.serverAddress.View(), kServer);
    uint32_t end = game.state.levelEndTime;
    EXPECT_GE(end, 5000u);
    EXPECT_LT(end, 5200u);

    RestartLevel(game);
    EXPECT_EQ(levels.back(), "arena2.map");
    EXPECT_FALSE(game.client.clientSettings.gameOver);
    EXPECT_EQ(network.Tagged(tmessagetag::kRespawn).size(), 1u);
    // The host has not restarted yet: its reports still say "over", which is old news now.
    Receive(BuildServerGameInfo(table, next));
    EXPECT_FALSE(game.client.clientSettings.gameOver);
    Receive(BuildEndLevel(next));
    EXPECT_FALSE(game.client.clientSettings.gameOver);
}

TEST_F(ClientFixture, AFlagStillCarriedWhenTheLevelEndsIsNoCaptureOnTheNextMap) {
    Join();
    settings.blueFlag.state = kFlagCarried;
    Receive(BuildServerGameInfo(table, settings));
    ASSERT_TRUE(audio.Find(game.sound.flagChannel[0].channel)->looping);  // the blue alarm
    settings.gameOver = 1;
    Receive(BuildEndLevel(settings));
    RestartLevel(game);
    // The new level starts with both flags at home.
    settings.gameOver = 0;
    settings.blueFlag.state = kFlagAtBase;
    Receive(BuildServerGameInfo(table, settings));
    const tmessagelog& messages = game.client.messageLog;
    for (int32_t i = 0; i < messages.count; ++i)
        EXPECT_NE(English(messages.lines[static_cast<size_t>(i)]), "Red team brings the flag");
    EXPECT_FALSE(audio.Find(game.sound.flagChannel[0].channel)->playing);
}

TEST_F(ClientFixture, LostLevelEndIsNoticedFromTheReports) {
    Join();
    settings.gameOver = 1;
    Receive(BuildServerGameInfo(table, settings));
    EXPECT_TRUE(game.client.clientSettings.gameOver);
    EXPECT_FALSE(game.state.spawnConfirmed);
    // The host restarting first does not cancel our own restart.
    settings.gameOver = 0;
    Receive(BuildServerGameInfo(table, settings));
    EXPECT_TRUE(game.client.clientSettings.gameOver);
}

TEST_F(ClientFixture, OnlyOurOwnPlacementConfirmsTheSpawn) {
    game.state.hosting = true;
    Join();
    game.server.serverPlayers = table;
    game.state.spawnConfirmed = false;
    game.world.arena.spawnPoints = {{1, 0, 1, 0, 0}, {7, 0, 7, 0, 0}, {9, 0, 9, 0, 0}};
    tplayerinfo place;
    place.id = game.client.localPlayer.id;
    place.position = {5, 3, 5};  // no spawn point of our map: an answer meant for another level
    Receive(BuildRespawnPlacement(place));
    EXPECT_FALSE(game.state.spawnConfirmed);
    place.id = 2;  // the bot's: the server placed it when it answered
    place.position = {7, 0, 7};
    Receive(BuildRespawnPlacement(place));
    EXPECT_NE(game.play.players[1].model.position, (tvec3{7, 0, 7}));
    EXPECT_FALSE(game.state.spawnConfirmed);
    place.id = game.client.localPlayer.id;
    place.position = {1, 0, 1};
    Receive(BuildRespawnPlacement(place));
    EXPECT_EQ(game.play.players[2].model.position, (tvec3{1, 0, 1}));
    EXPECT_TRUE(game.state.spawnConfirmed);
    // A later answer to the same requests arrives in play: it neither moves us nor clears the
    // score.
    game.client.localPlayer.frags = 3;
    place.position = {9, 0, 9};
    Receive(BuildRespawnPlacement(place));
    EXPECT_EQ(game.play.players[2].model.position, (tvec3{1, 0, 1}));
    EXPECT_EQ(game.client.localPlayer.frags, 3);
}

TEST_F(ClientFixture, ServersOnTheLanAreListedOnceAndAtMostTwentyOne) {
    for (int round = 0; round < 2; ++round) {
        for (int i = 1; i <= 22; ++i) {
            UDPServClUDPRead(game,
                             Datagram{"10.0.1." + std::to_string(i),
                                      {kPresenceBroadcast.begin(), kPresenceBroadcast.end()}});
        }
    }
    EXPECT_EQ(game.client.foundServers.size(), kMaxFoundServers);
    EXPECT_EQ(game.client.foundServers[0].address.View(), "10.0.1.1");
    EXPECT_TRUE(game.client.serverListChanged);
    clock.Advance(10000);
    EXPECT_FALSE(ExpireFoundServers(game.client, clock.now));
    clock.Advance(1);
    EXPECT_TRUE(ExpireFoundServers(game.client, clock.now));
    EXPECT_TRUE(game.client.foundServers.empty());
}

TEST_F(ClientFixture, FlagChangesAreAnnouncedOnce) {
    ReportFlagEvents(game, kFlagCarried, kFlagAtBase);
    ReportFlagEvents(game, kFlagCarried, kFlagAtBase);
    ReportFlagEvents(game, kFlagDropped, kFlagCarried);
    DeliverMatchSounds(game);
    EXPECT_TRUE(audio.Find(game.sound.flagChannel[1].channel)->looping);  // the red alarm
    ReportFlagEvents(game, kFlagAtBase, kFlagAtBase);
    DeliverMatchSounds(game);
    const auto& lines = game.client.messageLog.lines;
    EXPECT_EQ(English(lines[0]), "Blue flag taken");
    EXPECT_EQ(English(lines[1]), "Blue flag dropped");
    EXPECT_EQ(English(lines[2]), "Red flag taken");
    EXPECT_EQ(English(lines[3]), "Blue flag returned");
    EXPECT_EQ(English(lines[4]), "Blue team brings the flag");
    EXPECT_EQ(game.client.messageLog.count, 5);
    // The return and the capture replaced both alarms with one-shot sounds.
    for (const SoundBuffer& flag : game.sound.flagChannel) {
        EXPECT_TRUE(audio.Find(flag.channel)->playing);
        EXPECT_FALSE(audio.Find(flag.channel)->looping);
    }
}

TEST_F(ClientFixture, FlagCarriedByASlotBeyondTheTableLeavesTheReplyStanding) {
    Join();
    // The carrier left from the last slot; the rest of the reply is still news.
    tgamesettings carried = settings;
    carried.blueFlag.state = kFlagCarried;
    carried.blueFlag.carrier = 5;
    carried.blueFlag.position = {7, 1, 7};
    carried.redFlag.state = kFlagCarried;
    carried.redFlag.carrier = 0;
    table[0].position = {3, 4, 5};
    game.state.heardFromServer = false;
    Receive(BuildServerGameInfo(table, carried));
    EXPECT_EQ(game.play.players[0].model.position, (tvec3{3, 4, 5}));
    EXPECT_NE(game.client.clientSettings.blueFlag.state, kFlagCarried);
    EXPECT_EQ(game.client.clientSettings.blueFlag.position, (tvec3{7, 1, 7}));
    EXPECT_EQ(game.client.clientSettings.redFlag.state, kFlagCarried);
    EXPECT_TRUE(game.state.heardFromServer);

    table.push_back(Human(4, "Ann", kRemote));
    Receive(BuildAdded(table, carried, 78));
    EXPECT_EQ(game.play.players.size(), 4u);
    EXPECT_NE(game.client.clientSettings.blueFlag.state, kFlagCarried);
}

TEST_F(ClientFixture, MalformedServerDatagramsChangeNothing) {
    Join();
    std::vector<tplayerinfo> before = TableEntries(game.play.players);
    tgamesettings escape = settings;
    escape.mapName.Assign("../../x");
    Receive(BuildEndLevel(escape));
    tdatagram huge = BuildAdded(table, settings, 1);
    huge[6] = 200;
    Receive(huge);
    EXPECT_FALSE(game.client.clientSettings.gameOver);
    EXPECT_EQ(game.play.players.size(), before.size());
    EXPECT_TRUE(network.sent.empty());
    EXPECT_EQ(levels.size(), 1u);
}

TEST_F(ClientFixture, ClientMessagesNeedAServerAddress) {
    game.client.serverDestination.clear();
    SendKill(game, 1, 2);
    SendGameInfo(game);
    Disconnect(game);
    EXPECT_TRUE(network.sent.empty());
    Connect(game);  // falls back to the default private address
    ASSERT_EQ(network.sent.size(), 1u);
    EXPECT_EQ(network.sent[0].address, kDefaultServerAddress);
    EXPECT_TRUE(game.state.connecting);
}

TEST_F(ClientFixture, RemoteBulletsStayBoundedWhenTheirEndsAreLost) {
    Join();
    for (int i = 0; i < 600; ++i) {
        table[0].animation = static_cast<int8_t>(i % 2 ? 7 : -1);
        Receive(BuildServerGameInfo(table, settings));
        Receive(BuildBulletStart({i, 0, {}, {0, 0, 1}}));
    }
    EXPECT_EQ(game.play.bullets.size(), kMaxRemoteBullets);
    EXPECT_EQ(game.play.bullets.back().bulletId, 599);  // the newest are kept
}

TEST_F(ClientFixture, OnlyTheJoinedServerIsHeard) {
    Join();
    tgamesettings over = settings;
    over.gameOver = 1;
    for (const tdatagram& datagram :
         {BuildServerClosed(), BuildPlayerDeleted(1), BuildEndLevel(over),
          BuildServerGameInfo(std::vector<tplayerinfo>{}, over)}) {
        Receive(datagram, "10.0.0.66");
    }
    EXPECT_TRUE(IsConnected(game));
    EXPECT_EQ(game.play.players.size(), 3u);
    EXPECT_EQ(game.client.clientSettings.gameOver, 0);
    EXPECT_TRUE(network.sent.empty());  // no confirmation of a removal it never made
    Receive(BuildServerClosed());
    EXPECT_FALSE(IsConnected(game));
}
