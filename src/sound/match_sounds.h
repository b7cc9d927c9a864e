// Match sounds: what the match's events sound like, on the players' own channels: a shot, a
// reload starting and ending, a death, and the looping step and sprint sounds following a
// player's animation. The frame loop hands every frame's events here.
#pragma once
#include "game/match_events.h"
#include "sound/sound.h"

void PlayMatchSounds(Sound& sound, const MatchEvents& events);
