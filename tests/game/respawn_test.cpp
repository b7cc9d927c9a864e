// Where the dead come back: the local player and each bot at a random point of their own team
// once their delay is over, each drawn on its own machine.
#include "game/respawn.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "app/game.h"
#include "game/spawn_protection.h"
#include "support/match_rules.h"
#include "support/play_fixture.h"

namespace {

TEST(Respawn, ABotComesBackAtAPointOfItsTeamAfterItsDelay) {
    Game game;
    game.server.serverSettings.gameType = kTeamDeathMatch;
    game.world.arena.spawnPoints = {{1, 0, 0, 0, 0}, {2, 0, 0, 0, 0}, {3, 0, 0, 90, 1}};
    game.state.hosting = true;
    AddPlayer(game, tgeomobject{}, 1, true);
    MatchPlayer& bot = game.play.players[0];
    bot.dead = true;
    bot.deathTime = 5000;

    game.frame.now = 6999;
    RunRule(game, RespawnBotIfDue, 0);
    EXPECT_TRUE(bot.dead);
    game.frame.now = 7000;
    RunRule(game, RespawnBotIfDue, 0);
    EXPECT_FALSE(bot.dead);
    EXPECT_EQ(bot.model.position, (tvec3{3, 0, 0}));
    EXPECT_EQ(bot.model.yaw, 90);
    RunRule(game, RespawnBotIfDue, 5);  // no such bot: nothing
}

// Of the points its side may use that nobody stands on, a player comes back at one of the third
// farthest from the nearest living enemy; with nobody to fear, at any of them.
TEST(Respawn, APlayerComesBackAwayFromItsEnemies) {
    struct Other {
        float x;
        uint8_t team;
        bool dead = false;
    };
    struct Case {
        const char* what;
        uint8_t gameType;
        uint8_t team;
        std::vector<Other> others;
        std::set<float> drawn;
        bool onlyBluePoints = false;
    };
    const Case cases[] = {
        {"deathmatch", kDeathMatch, 0, {{0, 0}}, {50}},
        {"only the dead", kDeathMatch, 0, {{0, 0, true}}, {0, 10, 20, 30, 40, 50}},
        {"the blue team's points", kTeamDeathMatch, 0, {{0, 1}}, {20}},
        {"team mates are no threat", kTeamDeathMatch, 0, {{20, 0}, {50, 1}}, {0}},
        {"a map without red points", kCaptureTheFlag, 1, {{0, 0}, {50, 1}}, {40}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Arena arena;
        for (float x = 0; x <= 50; x += 10)
            arena.spawnPoints.push_back(
                {x, 0, 0, 0, c.onlyBluePoints || x < 30 ? uint8_t{0} : uint8_t{1}});
        std::vector<MatchPlayer> players(1);  // slot 0 is the player placed
        for (const Other& other : c.others) {
            MatchPlayer& player = players.emplace_back();
            player.model.position = {other.x, 0, 0};
            player.entry.team = other.team;
            player.dead = other.dead;
        }
        Random random;
        std::set<float> drawn;
        for (int draw = 0; draw < 200; ++draw)
            drawn.insert(ChooseRespawnPoint(arena, players, 0, c.gameType, c.team, random)->x);
        EXPECT_EQ(drawn, c.drawn);
        EXPECT_EQ(ChooseRespawnPoint(Arena{}, players, 0, c.gameType, c.team, random), nullptr);
    }
}

class LocalRespawn : public PlayFixture {};

// In play, with a server that never hears of it: nobody has to answer for the player to return.
TEST_F(LocalRespawn, TheLocalPlayerComesBackOnItsOwnAtARandomPointOfItsTeam) {
    struct Case {
        uint8_t gameType;
        uint8_t team;
        std::vector<float> allowedX;
    };
    const Case cases[] = {
        {kDeathMatch, 1, {1, 2, 3}},
        {kTeamDeathMatch, 1, {3}},
        {kCaptureTheFlag, 0, {1, 2}},
    };
    StartPlay(1, 0);
    game.world.arena.spawnPoints = {{1, 0, 0, 0, 0}, {2, 0, 0, 0, 0}, {3, 0, 0, 90, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.gameType));
        game.client.clientSettings.gameType = c.gameType;
        game.client.localPlayer.team = c.team;
        Stand(0, 50, 50);
        Player(0).dead = true;
        Player(0).deathTime = clock.now;
        game.play.weapon.spareMagazines = 1;
        Advance(1999);
        RunRule(game, RespawnLocalPlayerIfDue);
        EXPECT_TRUE(Player(0).dead);
        Advance(1);
        RunRule(game, RespawnLocalPlayerIfDue);
        EXPECT_FALSE(Player(0).dead);
        EXPECT_THAT(c.allowedX, testing::Contains(Model(0).position.x));
        EXPECT_EQ(Model(0).position.z, 0);
        EXPECT_EQ(game.play.weapon.spareMagazines, 5);
        EXPECT_TRUE(SpawnProtected(Player(0), clock.now));
    }
    EXPECT_TRUE(network.sent.empty()) << "a respawn in play asks the server nothing";
}

}  // namespace
