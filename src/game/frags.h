// Frags: a bullet that hits a player kills at once and gives its shooter a frag, unless the
// victim is the shooter, is already dead (or was killed a moment ago and its own report does not
// show it yet), or is a team mate in a team game. The shooter's machine decides and announces
// the kill ("illim"); the server counts team scores and ends the level.
#pragma once
#include <cstdint>

struct Game;

// Whether a hit by player `shooterIndex` of team `shooterTeam` on player `victimIndex` kills.
bool CountsAsKill(const Game& game, int32_t shooterIndex, uint8_t shooterTeam, int32_t victimIndex);

// The local player's bullet killed `victimIndex`: one frag and the kill notice. The victim
// counts as dead here at once, so the next bullet of a burst does not kill it a second time.
void ScoreLocalKill(Game& game, int32_t victimIndex);
