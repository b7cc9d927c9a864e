// Match: the state the rules of a running match read and write, gathered for one call by its
// owner (the game step from the Game; tests and benchmarks from their own set-ups). The models,
// bullets, effects and the event list are the match's own (PlayState); the player tables and
// settings are the ones this machine keeps: the copy it received as a client, and on the host the
// server's own.
#pragma once
#include <cstdint>
#include <vector>

#include "config/tuning.h"
#include "game/match_records.h"
#include "game/play_state.h"
#include "world/arena.h"

class Random;

struct Match {
    PlayState& play;
    Arena& arena;
    const Tuning& tuning;
    Random& random;
    // The table and settings as this machine received them, and its own player's entry.
    std::vector<tplayerinfo>& clientPlayers;
    tplayerinfo& localPlayer;
    tgamesettings& clientSettings;
    // The host's own table and settings (unused elsewhere).
    std::vector<tplayerinfo>& serverPlayers;
    tgamesettings& serverSettings;
    uint32_t now = 0;
    float speedFactor = 1;  // the frame's length in 15 ms reference frames
    int32_t localPlayerIndex = 0;
    bool hosting = false;

    // The model of player `index`, or null for an index without one.
    tgeomobject* Model(int32_t index) {
        if (index < 0 || static_cast<size_t>(index) >= play.playerModels.size()) return nullptr;
        return &play.playerModels[static_cast<size_t>(index)];
    }

    // The rules index players by this machine's slots: its models and the table it received
    // (clientPlayers), which always change together. These are the entries of those slots.
    const tplayerinfo* Entry(int32_t index) const {
        if (index < 0 || static_cast<size_t>(index) >= clientPlayers.size()) return nullptr;
        return &clientPlayers[static_cast<size_t>(index)];
    }
    uint8_t TeamOf(int32_t index) const {
        const tplayerinfo* entry = Entry(index);
        return entry ? entry->team : 0;
    }
    // On the host, the server's own entry of the player in slot `index`. The server keeps a
    // departed player's entry until every machine has confirmed the departure, while this
    // machine's slots have moved down at once: the entries are matched by id. Null when none.
    tplayerinfo* ServerEntry(int32_t index) {
        const tplayerinfo* entry = Entry(index);
        if (!entry) return nullptr;
        for (tplayerinfo& server : serverPlayers) {
            if (server.id == entry->id) return &server;
        }
        return nullptr;
    }
};
