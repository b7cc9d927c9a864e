// A game in play on one machine, for the rules of shooting, frags and flags: the shipped player
// model (without textures), a small arena of cylinders built by the test, a manual clock and a
// network that records what the game sends.
#pragma once
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/game.h"
#include "support/recording_network.h"
#include "support/test_arena.h"
#include "world/model_file.h"
#include "world/model_loader.h"

inline tgeomobject ShippedModel(const char* file) {
    const std::string path = std::string(ZARNOK_SOURCE_DIR) + "/data/" + file;
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    ModelVertexCounters counters;
    tgeomobject model;
    BuildModel(ParseModelFile(text.str(), file), counters, file, model);
    return model;
}

struct PlayFixture : ::testing::Test {
    // Players 0.. in the table; player `local` is this machine's.
    void StartPlay(size_t players, int32_t local, uint8_t gameType = kDeathMatch) {
        game.services.clock = &clock;
        game.services.network = &network;
        game.client.serverDestination = "10.0.0.1";
        game.client.clientSettings.serverAddress.Assign("10.0.0.1");
        game.state.playState = 1;
        game.state.connected = true;
        game.state.localPlayerIndex = local;
        game.frame.now = clock.now;
        game.client.clientSettings.gameType = gameType;
        for (size_t i = 0; i < players; ++i) {
            tplayerinfo record;
            record.id = 100 + static_cast<int32_t>(i);
            game.client.clientPlayers.push_back(record);
            game.client.players.emplace_back();
            game.play.playerModels.push_back(ShippedModel("player.txt"));
        }
        game.client.localPlayer = game.client.clientPlayers[static_cast<size_t>(local)];
        game.world.bulletModelFile = std::string(ZARNOK_SOURCE_DIR) + "/data/bullet.txt";
    }

    tgeomobject& Model(size_t index) { return game.play.playerModels[index]; }

    // Puts player `index` standing at (x, z) on the ground, facing `yaw`.
    void Stand(size_t index, float x, float z, float yaw = 0) {
        Model(index).position = {x, Model(index).extentHalfHeight + 0.01f, z};
        Model(index).yaw = yaw;
        game.client.players[index].position = Model(index).position;
    }

    void Advance(uint32_t ms) {
        clock.Advance(ms);
        game.frame.now = clock.now;
    }

    ManualClock clock{10000};
    RecordingNetwork network;
    Game game;
};
