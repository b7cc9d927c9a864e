// The local player in the running game step: held keys and the mouse move, turn and lift it
// through the frame loop, a dead player stays put and comes back after its delay.
#include "app/local_player_step.h"

#include <gtest/gtest.h>

#include "app/frame_loop.h"
#include "app/game.h"
#include "game/player_movement.h"
#include "support/players.h"
#include "support/test_arena.h"

namespace {

using namespace test_arena;

class LocalPlayerStep : public testing::Test {
  protected:
    LocalPlayerStep() {
        game.services.clock = &clock;
        game.state.startupComplete = true;
        game.state.playState = 1;
        game.world.arena = SmallArena({{20, 0, 0, 3, 2}});
        AddPlayer(game, StickFigure({0, -kLowestSample + 0.001f, 0}));
    }
    void Frames(int count) {
        for (int i = 0; i < count; ++i) {
            clock.Advance(15);
            RunFrame(game);
        }
    }
    void Hold(uint8_t key, bool held) { game.input.keys[key] = held ? kKeyHeld : 0; }
    tgeomobject& Player() { return game.play.players[0].model; }
    MatchPlayer& Slot() { return game.play.players[0]; }

    ManualClock clock{100000};
    Game game;
};

TEST_F(LocalPlayerStep, HoldingWWalksForwardAndSpaceJumps) {
    Hold(DIK_W, true);
    Frames(20);
    EXPECT_NEAR(Player().position.z, -2.0f, 0.15f);  // 0.1 per 15 ms frame, along -z
    EXPECT_NEAR(Player().position.x, 0.0f, 1e-4f);
    EXPECT_EQ(Player().triangleParts.front().currentAnimation, kWalkAnimation);
    Hold(DIK_W, false);
    const float ground = Player().position.y;
    Hold(DIK_SPACE, true);
    Frames(5);
    EXPECT_GT(Player().position.y, ground + 3);
    Hold(DIK_SPACE, false);
    Frames(60);
    EXPECT_NEAR(Player().position.y, ground, 0.1f);
}

TEST_F(LocalPlayerStep, TheMouseTurnsAndTiltsTheView) {
    game.input.mouse.x = 1000;  // 10 degrees at the default sensitivity
    game.input.mouse.y = -100;  // 5 degrees up
    Frames(1);
    EXPECT_NEAR(Player().yaw, -10.0f, 1e-4f);
    EXPECT_NEAR(game.play.lookPitch, 5.0f, 1e-4f);
    const int32_t hand = FindPart(Player(), "HAND");
    EXPECT_NEAR(Player().triangleParts[static_cast<size_t>(hand)].pitch, 5.0f, 1e-4f);
}

TEST_F(LocalPlayerStep, ADeadPlayerStaysPutAndStandsUpAfterItsDelay) {
    Slot().dead = true;
    Slot().deathTime = clock.now;
    game.play.weapon.spareMagazines = 1;
    const tvec3 where = Player().position;
    Hold(DIK_W, true);
    Frames(100);  // 1500 ms
    EXPECT_EQ(Player().position, where);
    EXPECT_TRUE(Slot().dead);
    Frames(40);
    EXPECT_FALSE(Slot().dead);
    // This arena has no spawn points: it stands up where it is, with a fresh weapon.
    EXPECT_EQ(game.play.weapon.spareMagazines, 5);
}

}  // namespace
