// Match sounds: what the match's events sound like. Each player has its own channels, added and
// released as the roster seats and unseats players (in the same order, so one index names one
// player here as in the match); on them a shot, a reload starting and ending, a death, and the
// looping step and sprint sounds following a player's animation. The flags' channels announce a
// flag taken (a looping alarm), returned or captured. The frame loop hands every frame's events
// here, with the volume setting and this machine's own slot (whose channels follow the setting).
#pragma once
#include <cstdint>

#include "game/match_events.h"
#include "sound/sound.h"

void PlayMatchSounds(Sound& sound, const MatchEvents& events, int32_t soundVolume,
                     int32_t localPlayerIndex);
