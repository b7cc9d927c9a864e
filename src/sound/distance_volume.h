// Distance volume: every frame of play, each other player's five channels sound as loud as its
// horizontal distance from the local player allows, so a far fight is faint and a near one loud.
#pragma once
#include <cstdint>
#include <span>

#include "game/match_player.h"
#include "sound/sound.h"

void SetRemoteVolumesByDistance(Sound& sound, std::span<const MatchPlayer> players,
                                int32_t localPlayerIndex, int32_t soundVolume);
