// Capture the flag. The host runs the flag rules on its player table every frame: an enemy near
// a flag takes it, it rides on its carrier's back, it drops where the carrier died, an enemy may
// pick it up again and its own team returns it home by touching it; a carrier that brings the
// enemy flag to its own flag, standing at home, scores for its team. Every machine then stands
// the two flag models where the settings it received say.
#pragma once
#include "net/wire_records.h"
#include "world/geom_object.h"

struct Game;

// Where a flag rides on `carrier`: at the back of its "body" part as posed now, turned with the
// carrier. The carrier's own position when it has no such part.
tvec3 PlaceCarriedFlag(const tgeomobject& carrier);

// The host's flag rules for one frame, on its player table and its settings.
void RunFlagRules(Game& game);

// The two flag models at the places the client's copy of the settings gives.
void PlaceFlagModels(Game& game);
