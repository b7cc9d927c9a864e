// Respawn: a dead player comes back once its respawn delay has passed, at a random spawn point
// that the machine running it draws itself: the local player's own machine, the host for its
// bots. Nothing is asked of the server (its placements are for the start of a level only). The
// integration step calls RespawnLocalPlayerIfDue every frame, the bot step RespawnBotIfDue for
// each bot.
#pragma once
#include <cstdint>

#include "world/arena.h"

struct Match;
struct MatchPlayer;
class Random;

// The rule for a random spawn point: any point in deathmatch; in a team game points are drawn
// until one of `team` comes up, at most 1001 times, and the last draw stands. Null without points.
const tspawnpoint* DrawRespawnPoint(const Arena& arena, Random& random, uint8_t gameType,
                                    uint8_t team);

// Alive again, standing: the dead flag is cleared and no part runs an animation.
void Revive(MatchPlayer& player);

// Every frame: a dead local player whose delay has passed comes back at a random spawn point
// of its team (any point in deathmatch) with a fresh weapon.
void RespawnLocalPlayerIfDue(Match& match);

// A dead bot whose delay has passed comes back at a random point of its team (host only).
void RespawnBotIfDue(Match& match, int32_t index);
