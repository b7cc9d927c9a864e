// Where the dead come back: the local player and each bot at a random point of their own team
// once their delay is over, each drawn on its own machine.
#include "game/respawn.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/game.h"
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

TEST(Respawn, WithoutAPointOfItsTeamThePlayerTakesTheLastDraw) {
    Arena arena;
    arena.spawnPoints = {{1, 0, 0, 0, 0}, {2, 0, 0, 0, 0}};
    Random random;
    const tspawnpoint* point = DrawRespawnPoint(arena, random, kTeamDeathMatch, 1);
    ASSERT_NE(point, nullptr);
    EXPECT_EQ(point->team, 0);
    EXPECT_EQ(DrawRespawnPoint(Arena{}, random, kDeathMatch, 0), nullptr);
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
    }
    EXPECT_TRUE(network.sent.empty()) << "a respawn in play asks the server nothing";
}

}  // namespace
