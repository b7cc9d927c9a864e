// Match: the state the rules of a running match read and write, gathered for one call by its
// owner (the game step from the Game; tests and benchmarks from their own set-ups). The players,
// bullets, effects and the event list are the match's own (PlayState); the settings are the ones
// this machine keeps: the copy it received as a client, and on the host the server's own table
// and settings.
#pragma once
#include <cstdint>
#include <vector>

#include "config/tuning.h"
#include "game/bot_skill.h"
#include "game/match_records.h"
#include "game/play_state.h"
#include "world/arena.h"
#include "world/world.h"

class Random;
class Gpu;

struct Match {
    PlayState& play;
    // The level's content; the arena is the world's, named for the rules that read only it.
    World& world;
    Arena& arena;
    // Models are loaded as players are seated; without a Gpu only their records are kept.
    Gpu* gpu = nullptr;
    const Tuning& tuning;
    Random& random;
    // This machine's own player's entry and the settings as it received them.
    tplayerinfo& localPlayer;
    tgamesettings& clientSettings;
    // The host's own table and settings (unused elsewhere).
    std::vector<tplayerinfo>& serverPlayers;
    tgamesettings& serverSettings;
    uint32_t now = 0;
    float speedFactor = 1;  // the frame's length in 15 ms reference frames
    // This machine's own player's slot; it moves down when a player before it leaves.
    int32_t& localPlayerIndex;
    bool hosting = false;
    // How well the host's bots play.
    BotSkill botSkill = BotSkill::kNormal;

    // The player in slot `index`, or null for a slot nobody holds.
    MatchPlayer* Player(int32_t index) {
        if (index < 0 || static_cast<size_t>(index) >= play.players.size()) return nullptr;
        return &play.players[static_cast<size_t>(index)];
    }
    const MatchPlayer* Player(int32_t index) const {
        if (index < 0 || static_cast<size_t>(index) >= play.players.size()) return nullptr;
        return &play.players[static_cast<size_t>(index)];
    }
    // The player in slot `index` if the rules can act on it (it has a model), else null.
    MatchPlayer* Playing(int32_t index) {
        MatchPlayer* player = Player(index);
        return player && player->hasModel ? player : nullptr;
    }
    // The model of player `index`, or null for a slot without one.
    tgeomobject* Model(int32_t index) {
        MatchPlayer* player = Playing(index);
        return player ? &player->model : nullptr;
    }
    // The table entry of slot `index` as this machine received it.
    const tplayerinfo* Entry(int32_t index) const {
        const MatchPlayer* player = Player(index);
        return player ? &player->entry : nullptr;
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
