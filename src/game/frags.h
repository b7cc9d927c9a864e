// Frags: a bullet that hits a player kills at once and gives its shooter a frag, unless the
// victim is the shooter, is already dead (or was killed a moment ago and its own report does not
// show it yet), or is a team mate in a team game. The shooter's machine decides and announces
// the kill; the server counts team scores and ends the level.
#pragma once
#include <cstdint>

#include "game/match_records.h"

struct Match;

// Whether a hit by player `shooterIndex` of team `shooterTeam` on player `victimIndex` kills.
bool CountsAsKill(Match& match, int32_t shooterIndex, uint8_t shooterTeam, int32_t victimIndex);
// `shooter`'s bullet killed player `victimIndex` (table id `victimId`): one frag for the shooter's
// entry and the kill reported. The victim counts as dead here at once, so the next bullet of a
// burst does not kill it a second time.
void ScoreKill(Match& match, tplayerinfo& shooter, int32_t victimId, int32_t victimIndex);

// The local player's bullet killed `victimIndex`: ScoreKill with its own entry.
void ScoreLocalKill(Match& match, int32_t victimIndex);
