// Player slots: a player is known on this machine by its slot: its record in the match (entry,
// body, pose and state), its muzzle models, its sound channels, and the bullets and flags naming
// its slot. A player arrives, leaves, or everybody goes, through these calls only, so every table
// keeps the same slots.
#pragma once
#include <cstdint>

#include "game/match_records.h"

struct Session;

// The player of `record` takes the next slot: its record, model (with its muzzle models, when
// this machine can load one) and sound channels.
void AddPlayerSlot(Session& session, const tplayerinfo& record);
// Slot `slot` leaves every table; later players move down one slot, and so do the slots that
// bullets, flags and this machine's own player are known by. A flag the leaving player carried
// lies where it was, and its bullets go with it.
void RemovePlayerSlot(Session& session, int32_t slot);
// Every player leaves every table.
void ClearPlayerSlots(Session& session);
