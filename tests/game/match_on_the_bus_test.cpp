// Whole games on the in-memory bus: a shot, a kill and a respawn, and a flag capture, as every
// machine in the game sees them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/hud_words.h"
#include "game/spawn_protection.h"
#include "game/weapon.h"
#include "support/match_rules.h"
#include "support/net_harness.h"

namespace {

class MatchOnTheBus : public ::testing::Test {
  protected:
    static MatchPlayer& Player(NetMachine& machine, size_t index) {
        return machine.game.play.players.at(index);
    }
    static tgeomobject& Model(NetMachine& machine, size_t index) {
        return Player(machine, index).model;
    }
    static bool LogHas(NetMachine& machine, const std::string& line) {
        const tmessagelog& log = machine.client().messageLog;
        return std::any_of(log.lines.begin(), log.lines.end(), [&](const tmessageline& held) {
            return MessageLineText(held, Language::kEnglish) == line;
        });
    }
    // Each machine puts its own player where it wants it; the others learn it from the reports.
    void Place(NetMachine& machine, tvec3 at, float yaw) {
        tgeomobject& own = Model(machine, static_cast<size_t>(machine.game.state.localPlayerIndex));
        own.position = at;
        own.yaw = yaw;
    }

    static float Apart(tvec3 a, tvec3 b) { return std::hypot(a.x - b.x, a.z - b.z); }

    NetHarness net;
};

TEST_F(MatchOnTheBus, OnePlayerShootsAnotherWhoDiesAndComesBack) {
    NetMachine& host = net.AddMachine("10.0.0.1", 11).MakeModels();
    NetMachine& joiner = net.AddMachine("10.0.0.2", 22).MakeModels();
    net.Host(host);
    net.Join(joiner, "Joe", 300);
    ASSERT_EQ(host.game.play.players.size(), 2u);
    ASSERT_EQ(joiner.game.play.players.size(), 2u);
    ASSERT_EQ(joiner.game.state.localPlayerIndex, 1);

    Place(host, {0, 1.2f, 0}, 0);  // facing -z, towards the joiner
    Place(joiner, {0, 1.2f, -6}, 180);
    net.RunFor(kSpawnProtectionMs);  // the newcomer's protection runs out
    ASSERT_NEAR(Model(host, 1).position.z, -6, 1e-4);

    RunRule(host.game, FireBullet, 0, 0, 0);
    net.RunFrame();
    net.RunFrame();
    ASSERT_EQ(joiner.game.play.bullets.size(), 1u) << "the joiner sees the host's bullet";
    EXPECT_EQ(joiner.game.play.bullets[0].ownerIndex, 0);
    EXPECT_GT(Player(joiner, 0).muzzleStartTime, 0u);

    bool hostExplosion = false, joinerExplosion = false, hostLine = false, joinerLine = false;
    uint32_t deathTime = 0, backTime = 0;
    for (int frame = 0; frame < 800 && !backTime; ++frame) {
        net.RunFrame();
        hostExplosion |= !host.game.play.explosions.empty();
        joinerExplosion |= !joiner.game.play.explosions.empty();
        // Event lines fade after a couple of seconds: look while they are up.
        hostLine |= LogHas(host, "Host killed Joe");
        joinerLine |= LogHas(joiner, "Host killed Joe");
        const MatchPlayer& victim = Player(joiner, 1);
        if (!deathTime && victim.dead) deathTime = net.clock.now;
        if (deathTime && !victim.dead) backTime = net.clock.now;
        if (deathTime && !backTime && frame % 20 == 0) {
            EXPECT_EQ(victim.model.triangleParts[0].currentAnimation, 10) << "the death animation";
        }
    }
    EXPECT_TRUE(hostExplosion);
    EXPECT_TRUE(joinerExplosion);
    EXPECT_TRUE(host.game.play.bullets.empty());
    EXPECT_TRUE(joiner.game.play.bullets.empty());
    EXPECT_TRUE(hostLine);
    EXPECT_TRUE(joinerLine);
    EXPECT_EQ(host.client().localPlayer.frags, 1);
    EXPECT_EQ(Player(joiner, 0).entry.frags, 1) << "the joiner's table shows the frag";
    EXPECT_EQ(joiner.client().localPlayer.deaths, 1);

    ASSERT_GT(deathTime, 0u);
    ASSERT_GT(backTime, 0u);
    EXPECT_GE(backTime - deathTime, 2000u);
    EXPECT_LE(backTime - deathTime, 2050u);
    const tvec3 back = Model(joiner, 1).position;
    const std::vector<tspawnpoint>& spawns = joiner.game.world.arena.spawnPoints;
    EXPECT_TRUE(std::any_of(spawns.begin(), spawns.end(), [&](const tspawnpoint& s) {
        return back == tvec3{s.x, s.y, s.z};
    })) << "back at a spawn point";
    EXPECT_EQ(joiner.client().localPlayer.frags, 0);
    EXPECT_EQ(joiner.client().localPlayer.deaths, 1) << "a respawn keeps the score";
    net.RunFor(200);
    EXPECT_EQ(Player(host, 1).entry.dead, 0);
    EXPECT_EQ(Model(host, 1).position, back);
}

TEST_F(MatchOnTheBus, APlayerKilledByTheShotThatEndsTheLevelPlaysTheNextOneAlive) {
    NetMachine& host = net.AddMachine("10.0.0.1", 11).MakeModels();
    NetMachine& joiner = net.AddMachine("10.0.0.2", 22).MakeModels();
    net.Host(host, {.maps = {"arena1.map", "arena2.map"}, .fragLimit = 1});
    net.Join(joiner, "Joe", 300);
    Place(host, {0, 1.2f, 0}, 0);
    Place(joiner, {0, 1.2f, -6}, 180);
    net.RunFor(kSpawnProtectionMs);  // the newcomer's protection runs out
    RunRule(host.game, FireBullet, 0, 0, 0);
    for (int frame = 0; frame < 200 && !joiner.client().clientSettings.gameOver; ++frame)
        net.RunFrame();
    ASSERT_TRUE(joiner.client().clientSettings.gameOver);
    ASSERT_TRUE(Player(joiner, 1).dead);

    for (int frame = 0; frame < 1200 && joiner.levelsStarted.size() < 2; ++frame) net.RunFrame();
    ASSERT_EQ(joiner.levelsStarted.back(), "arena2.map");
    // From its first frame on, neither dead nor falling again.
    for (int frame = 0; frame < 600; ++frame) {
        const MatchPlayer& joe = Player(joiner, 1);
        ASSERT_FALSE(joe.dead) << "frame " << frame;
        ASSERT_NE(joe.model.triangleParts[0].currentAnimation, 10) << "frame " << frame;
        net.RunFrame();
    }
    EXPECT_EQ(joiner.client().localPlayer.deaths, 0);
}

TEST_F(MatchOnTheBus, ACaptureScoresOnEveryMachine) {
    NetMachine& host = net.AddMachine("10.0.0.1", 11).MakeModels();
    NetMachine& joiner = net.AddMachine("10.0.0.2", 22).MakeModels();
    const tvec3 blueHome{-30, 0, 0}, redHome{30, 0, 0};
    HostOptions options;
    options.gameType = kCaptureTheFlag;
    HostGame(host, options);
    host.game.world.arena.blueFlagHome = blueHome;
    host.game.world.arena.redFlagHome = redHome;
    net.RunFor(100);
    net.Join(joiner, "Red", 300);
    EXPECT_EQ(joiner.client().clientSettings.blueFlag.position, blueHome);

    Place(joiner, blueHome + tvec3{0, 1, 0}, 0);
    net.RunFor(200);
    EXPECT_EQ(joiner.client().clientSettings.blueFlag.state, kFlagCarried);
    EXPECT_TRUE(LogHas(host, "Blue flag taken"));
    Place(joiner, redHome + tvec3{0, 1, 0}, 0);
    net.RunFor(200);
    for (NetMachine* machine : {&host, &joiner}) {
        const tgamesettings& settings = machine->client().clientSettings;
        EXPECT_EQ(settings.redFlag.score, 1);
        EXPECT_EQ(settings.blueFlag.score, 0);
        EXPECT_EQ(settings.blueFlag.state, kFlagAtBase);
        EXPECT_TRUE(LogHas(*machine, "Red team brings the flag"));
        // The flag model stands at its home again on every machine.
        EXPECT_EQ(machine->game.world.arena.blueFlag.position, blueHome);
    }
}

// Three red players join a host; the second takes the blue flag and stands still with it, then
// one of them leaves.
TEST_F(MatchOnTheBus, TheBlueFlagStaysWithItsCarrierWhoeverLeavesAndDropsWhenTheCarrierLeaves) {
    const tvec3 blueHome{-30, 0, 0};
    for (size_t leaving : {0u, 2u, 1u}) {  // the first red, the third, the carrier itself
        SCOPED_TRACE(leaving);
        NetHarness match;
        match.bus.SetFaults({.delayMs = 20});  // removals take a while to be confirmed
        NetMachine& host = match.AddMachine("10.0.0.1", 11).MakeModels();
        HostGame(host, {.gameType = kCaptureTheFlag});
        host.game.world.arena.blueFlagHome = blueHome;
        host.game.world.arena.redFlagHome = {30, 0, 0};
        std::vector<NetMachine*> reds, staying = {&host};
        for (int r = 0; r < 3; ++r) {
            reds.push_back(
                &match.AddMachine("10.0.0." + std::to_string(2 + r), 22 + r).MakeModels());
            match.Join(*reds.back(), "Red", 300);
            Place(*reds.back(), {-10.0f * r, 1, 20}, 0);
            if (static_cast<size_t>(r) != leaving) staying.push_back(reds.back());
        }
        Place(*reds[1], blueHome + tvec3{0, 1, 0}, 0);
        match.RunFor(200);
        Place(*reds[1], {0, 1, -20}, 0);
        match.RunFor(200);
        const tvec3 carriedAt = host.server().serverSettings.blueFlag.position;
        ASSERT_LT(Apart(carriedAt, {0, 1, -20}), 1.5f);

        Disconnect(reds[leaving]->game);
        for (int frame = 0; frame < 200; ++frame) {
            match.RunFrame();
            ASSERT_LT(Apart(host.server().serverSettings.blueFlag.position, carriedAt), 1.5f)
                << "frame " << frame;
            for (NetMachine* machine : staying) {
                ASSERT_LT(Apart(machine->game.world.arena.blueFlag.position, carriedAt), 1.5f)
                    << "frame " << frame;
                ASSERT_NE(machine->client().clientSettings.blueFlag.state, kFlagAtBase);
            }
        }
        ASSERT_EQ(host.server().serverPlayers.size(), 3u);
        for (NetMachine* machine : staying) {
            EXPECT_EQ(machine->client().clientSettings.blueFlag.state,
                      leaving == 1 ? kFlagDropped : kFlagCarried);
        }
    }
}

}  // namespace
