// Sound volume: the user's volume percentage as a channel attenuation, the quieter sound of a
// player farther away, and applying them to the channels that follow the setting. Called at
// start-up, by the options screen, when players join, and every frame for the other players.
#pragma once
#include <cstddef>
#include <cstdint>

#include "sound/sound.h"
#include "world/vec_math.h"

// The cube root of 10000 over 100: the factor that makes 0 % come out at -10000.
inline constexpr double kVolumeStep = 0.21544;

// volumeFactor = (100 - percent) * 0.21544.
double VolumeFactor(double percent);
// Minus the cube of the volume factor, rounded, in hundredths of a decibel: 0 at 100 %, -10000
// at 0 %. Percentages outside 0..100 are held to that range.
int32_t VolumeAttenuation(double percent);
// The attenuation of a player at horizontal distance d (x and z only) from the local one: the
// volume percentage divided by (d * 0.01 + 1).
int32_t DistanceAttenuation(int32_t soundVolume, tvec3 local, tvec3 remote);

// The channels that follow the volume setting: both flag channels, the pickup sound and, when
// there is one, the local player's five channels.
void ApplySoundVolume(Sound& sound, int32_t soundVolume, int32_t localPlayerIndex);
// Sets another player's five channels from its distance to the local player.
void ApplyDistanceVolume(Sound& sound, size_t playerIndex, int32_t soundVolume, tvec3 local,
                         tvec3 remote);
