// Capture the flag. The host runs the flag rules on its player table every frame: an enemy near
// a flag takes it, it rides on its carrier's back, it drops where the carrier died, an enemy may
// pick it up again and its own team returns it home by touching it; a carrier that brings the
// enemy flag to its own flag, standing at home, scores for its team. Every machine then stands
// the two flag models where the settings it received say.
#pragma once
#include "game/match_records.h"
#include "world/geom_object.h"

struct Match;

// Where a flag rides on `carrier`: at the back of its "body" part as posed now, turned with the
// carrier. The carrier's own position when it has no such part.
tvec3 PlaceCarriedFlag(const tgeomobject& carrier);

// The player at `slot` left the table and every later player moved down by one: a flag carried
// by a later player stays on it, and a flag the leaving player carried lies where it last was,
// as if its carrier had fallen there.
void ShiftFlagCarriers(tgamesettings& settings, size_t slot);

// The host's flag rules for one frame, on its player table and its settings.
void RunFlagRules(Match& match);

// The two flag models at the places the client's copy of the settings gives.
void PlaceFlagModels(Match& match);
