// Player channels: the five sound channels of every player (fire, walk, reload, death, sprint),
// duplicates of the base buffers, kept in `Sound::playerChannels` in player-table order. The
// client adds a set when a player appears and removes it when the player leaves, so one index
// names the same player here as in every other per-player table.
#pragma once
#include <cstddef>
#include <cstdint>

#include "sound/sound.h"

// Appends the next player's channels; team 1 fires with "fire2.wav", any other team with
// "fire.wav". Returns the new set's index.
size_t AddPlayerChannels(Sound& sound, int32_t team);
// Releases one player's channels; later players move down one index. Out of range: nothing.
void RemovePlayerChannels(Sound& sound, size_t playerIndex);
// Releases every player's channels and empties the table.
void ReleasePlayerChannels(Sound& sound);

// The channels of a player, or null for an index with none.
PlayerChannels* ChannelsOf(Sound& sound, size_t playerIndex);
void SetPlayerVolume(Sound& sound, size_t playerIndex, int32_t attenuation);

// Switches a player's looping walk and sprint sounds to fit its animation: standing, crouching
// still, dead and jumping are silent; sprinting loops the sprint sound; any other motion steps.
void SwitchLoopingSounds(Sound& sound, size_t playerIndex, int32_t animation);
