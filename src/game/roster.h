// Roster: the match's players and their lives in it. A player is seated in the next slot (the
// server's table order: one index names one player on every machine), unseated when it leaves
// (later slots, the bullets and flags naming them and this machine's own slot move down), placed
// where a level wants it, and shown as its own machine reports it. This is the only code that does
// so: the network decodes a datagram and calls it. What serves the match per slot follows the
// events it reports (PlayerSeated, PlayerUnseated, RosterEmptied for the sound channels;
// GaitChanged for a player's footsteps); the muzzle models are kept here beside the players.
#pragma once
#include <cstdint>
#include <span>

#include "game/match_records.h"
#include "world/vec_math.h"

struct Match;
struct MatchPlayer;
struct PlayState;

// The player of `record` takes the next slot, with its model when this machine can load one.
void SeatPlayer(Match& match, const tplayerinfo& record);
// Slot `slot` leaves; a flag it carried lies where it was, and its bullets go with it.
void UnseatPlayer(Match& match, int32_t slot);
// Everybody leaves.
void UnseatEveryone(Match& match);

// A table the server sent with a join or a newcomer: the slots this machine has take their
// entries, and the players beyond them are seated. Returns how many were seated.
int32_t SeatNewcomers(Match& match, std::span<const tplayerinfo> records);
// A state table the server sent: every slot this machine has takes its entry, and every player
// another machine runs is shown as that machine reported it (this machine's own player, and on
// the host its bots, are run here). Records beyond this machine's slots wait for their "added".
void ApplyTable(Match& match, std::span<const tplayerinfo> records);
// A server with no player of its own plays its table itself, slot for slot: the slots follow it
// (players that left unseated, newcomers seated) and every human stands where it last reported.
void FollowTable(Match& match, std::span<const tplayerinfo> table);
// What player `slot`'s own machine reported of it: place, heading, aim, animation, whether dead.
void ApplyReportedState(Match& match, int32_t slot, const tplayerinfo& record);

// Standing still at `position` facing `yaw`: a spawn, a placement in a new level.
void PlaceAt(MatchPlayer& player, const tvec3& position, float yaw);
// The same for the player with table id `id`; false when nobody here has it.
bool PlaceById(Match& match, int32_t id, const tvec3& position, float yaw);
// A new level: whoever the last shots killed stands again, and everybody comes into it protected.
void ReviveEveryone(PlayState& play, uint32_t now);
