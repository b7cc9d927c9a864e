// Players for tests: table records as the server keeps them (a joined human at an address, and a
// bot the host runs, at "127.0.0.1", never joined over the network), and the one call that seats a
// player in a session with every per-player table in step.
#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "net/session.h"

inline tplayerinfo Human(int32_t id, const char* name, const char* address, uint8_t team = 0) {
    tplayerinfo player;
    player.id = id;
    player.name.Assign(name);
    player.address.Assign(address);
    player.joined = 1;
    player.active = 1;
    player.team = team;
    return player;
}

inline tplayerinfo Bot(int32_t id, uint8_t team = 0) {
    tplayerinfo bot;
    bot.id = id;
    bot.name.Assign("Bot");
    bot.address.Assign("127.0.0.1");
    bot.active = 1;
    bot.isBot = 1;
    bot.team = team;
    return bot;
}

// Seats `model` in the next player slot of `session`: its entry (id 100 + slot, `team`, a bot when
// `bot`) in the match and on a host in the server's table, its muzzle models and sound channels as
// a join makes them (SeatPlayer), with `model` as its model. Returns the slot.
int32_t AddPlayer(Session& session, tgeomobject model, uint8_t team = 0, bool bot = false);

// The sounds of the events the match reported so far, played at once as a frame would (the
// players' channels follow their seats), and the events forgotten.
void DeliverMatchSounds(Session& session);

// Bodies seated as players of a match (with models), for a collision world of loose models.
std::vector<MatchPlayer> Seated(std::span<const tgeomobject> bodies);
