// Where the dead come back: a bot at a point of its own team once its delay is over.
#include "game/respawn.h"

#include <gtest/gtest.h>

#include "app/game.h"

namespace {

TEST(Respawn, ABotComesBackAtAPointOfItsTeamAfterItsDelay) {
    Game game;
    game.server.serverSettings.gameType = kTeamDeathMatch;
    game.world.arena.spawnPoints = {{1, 0, 0, 0, 0}, {2, 0, 0, 0, 0}, {3, 0, 0, 90, 1}};
    tplayerinfo bot;
    bot.team = 1;
    game.server.serverPlayers = {bot};
    tgeomobject model;
    model.dead = true;
    model.deathTime = 5000;
    game.play.playerModels = {model};

    game.frame.now = 6999;
    RespawnBotIfDue(game, 0);
    EXPECT_TRUE(game.play.playerModels[0].dead);
    game.frame.now = 7000;
    RespawnBotIfDue(game, 0);
    EXPECT_FALSE(game.play.playerModels[0].dead);
    EXPECT_EQ(game.play.playerModels[0].position, (tvec3{3, 0, 0}));
    EXPECT_EQ(game.play.playerModels[0].yaw, 90);
    RespawnBotIfDue(game, 5);  // no such bot: nothing
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

}  // namespace
