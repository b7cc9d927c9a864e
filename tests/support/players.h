// Player-table records as the server keeps them: a joined human at an address, and a bot that the
// host runs (address "127.0.0.1", never joined over the network).
#pragma once
#include <cstdint>

#include "net/wire_records.h"

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
