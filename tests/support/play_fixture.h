// A game in play on one machine, for the rules of shooting, frags and flags: the shipped player
// model (without textures), a small arena of cylinders built by the test, a manual clock and a
// network that records what the game sends.
#pragma once
#include <gtest/gtest.h>

#include "support/players.h"
#include "support/recording_network.h"
#include "support/shipped_content.h"
#include "support/test_arena.h"

struct PlayFixture : ::testing::Test, LoneGame {
    PlayFixture() : LoneGame(10000) {}

    // Players 0.. in the table; player `local` is this machine's.
    void StartPlay(size_t players, int32_t local, uint8_t gameType = kDeathMatch) {
        game.client.serverDestination = "10.0.0.1";
        game.client.clientSettings.serverAddress.Assign("10.0.0.1");
        game.state.playState = 1;
        game.state.connected = true;
        game.state.localPlayerIndex = local;
        game.frame.now = clock.now;
        game.client.clientSettings.gameType = gameType;
        for (size_t i = 0; i < players; ++i) AddPlayer(game, ShippedModel());
        game.client.localPlayer = Player(static_cast<size_t>(local)).entry;
        game.world.bulletModelFile = kDataDir / "bullet.txt";
    }

    MatchPlayer& Player(size_t index) { return game.play.players[index]; }
    tgeomobject& Model(size_t index) { return Player(index).model; }

    // Puts player `index` standing at (x, z) on the ground, facing `yaw`.
    void Stand(size_t index, float x, float z, float yaw = 0) {
        Model(index).position = {x, Model(index).extentHalfHeight + 0.01f, z};
        Model(index).yaw = yaw;
    }

    void Advance(uint32_t ms) {
        clock.Advance(ms);
        game.frame.now = clock.now;
    }
};
