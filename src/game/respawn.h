// Respawn: a dead player comes back once its respawn delay has passed, at a spawn point away from
// its enemies that the machine running it chooses itself: the local player's own machine, the host
// for its bots. Nothing is asked of the server (its placements are for the start of a level only).
// The integration step calls RespawnLocalPlayerIfDue every frame, the bot step RespawnBotIfDue for
// each bot.
#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "world/arena.h"

struct Match;
struct MatchPlayer;
class Random;

// Who stands where around a player coming into play: its enemies, and everybody.
struct SpawnSurroundings {
    std::vector<tvec3> enemies;
    std::vector<tvec3> everyone;
};

// Where a player of `team` comes into play: any point in deathmatch, a point of its team in a
// team game (any point on a map without one), none that somebody stands on while another is
// free. Of those, it is drawn among the third farthest from the nearest enemy, so that nobody
// appears in front of a gun and yet nobody can tell the exact spot. Null on a map without points.
const tspawnpoint* ChooseSpawnAwayFrom(const Arena& arena, uint8_t gameType, uint8_t team,
                                       const SpawnSurroundings& around, Random& random);
// The living players among `players` around a player of `team`; `self` is the slot of the
// player placed (-1 for one not yet seated).
SpawnSurroundings LivingSurroundings(std::span<const MatchPlayer> players, int32_t self,
                                     uint8_t gameType, uint8_t team);
// ChooseSpawnAwayFrom the living players.
const tspawnpoint* ChooseRespawnPoint(const Arena& arena, std::span<const MatchPlayer> players,
                                      int32_t self, uint8_t gameType, uint8_t team, Random& random);

// Alive again, standing: the dead flag is cleared and no part runs an animation.
void Revive(MatchPlayer& player);

// Every frame: a dead local player whose delay has passed comes back, protected for a moment
// (game/spawn_protection.h), with a fresh weapon.
void RespawnLocalPlayerIfDue(Match& match);

// A dead bot whose delay has passed comes back the same way (host only).
void RespawnBotIfDue(Match& match, int32_t index);
