// Deaths: a kill notice makes a player this machine runs (its own, or on the host a bot) fall
// dead at once with one more death in its entry. The local player shows it the frame after:
// every part falls into the death animation and its death sound plays once. Other machines see
// the animation through its state reports.
#pragma once
#include <cstdint>

#include "game/match_records.h"
#include "game/player_movement.h"

struct Match;

// `entry` (a player's table entry) counts one more death, capped, and the player's model at
// `index` falls dead now; false when it has no model.
bool KillPlayer(Match& match, int32_t index, tplayerinfo& entry);

// A kill notice named a bot this server runs: it falls at once, into its death animation, with one
// more death in the server's entry. Nothing for anybody else.
void KillHostedBot(Match& match, int32_t victimId);

// Player `index` falls into the death animation and its death sound is reported; false (nothing
// shown) while the player is not dead, e.g. before the kill notice reached its model.
bool ShowDeath(Match& match, int32_t index);
