// Respawn: a dead player comes back once its respawn delay has passed. The local player asks the
// server where ("respl") and comes back when the answer has placed it; bots are placed by the host
// itself at a random spawn point. The integration step calls RespawnLocalPlayerIfDue every frame,
// the bot step RespawnBotIfDue for each bot.
#pragma once
#include <cstdint>

#include "world/arena.h"

struct Game;
class Random;

// The rule for a random spawn point: any point in deathmatch; in a team game points are drawn
// until one of `team` comes up, at most 1001 times, and the last draw stands. Null without points.
const tspawnpoint* DrawRespawnPoint(const Arena& arena, Random& random, uint8_t gameType,
                                    uint8_t team);

// Alive again, standing: the dead flag is cleared and no part runs an animation.
void ReviveModel(tgeomobject& model);

// Every frame: a dead local player whose delay has passed requests its place from the server
// (again every so often while the answer is missing) and is revived with a fresh weapon once the
// answer placed it. Without a server it comes back at a random spawn point.
void RespawnLocalPlayerIfDue(Game& game);

// A dead bot whose delay has passed comes back at a random point of its team (host only).
void RespawnBotIfDue(Game& game, int32_t index);
