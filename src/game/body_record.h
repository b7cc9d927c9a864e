// Body records: the table entry of a body this machine runs (its own player, or on the host a
// bot), as every other machine will see it: where it stands, faces and aims, the animation it
// runs and whether it is dead. The one place a player's record is made from its model.
#pragma once
#include "game/match_player.h"
#include "game/match_records.h"

void RecordBody(const MatchPlayer& player, tplayerinfo& entry);
