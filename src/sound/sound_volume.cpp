#include "sound/sound_volume.h"

#include <algorithm>
#include <cmath>

#include "sound/player_channels.h"
#include "sound/sound_buffers.h"

double VolumeFactor(double percent) {
    return (100.0 - percent) * kVolumeStep;
}

int32_t VolumeAttenuation(double percent) {
    // NaN (from a broken position) counts as silence.
    if (!(percent >= 0.0)) percent = 0.0;
    percent = std::min(percent, 100.0);
    double factor = VolumeFactor(percent);
    long attenuation = -std::lround(factor * factor * factor);
    return static_cast<int32_t>(std::clamp<long>(attenuation, kSilentAttenuation, 0));
}

int32_t DistanceAttenuation(int32_t soundVolume, tvec3 local, tvec3 remote) {
    double dx = double(remote.x) - local.x;
    double dz = double(remote.z) - local.z;
    double distance = std::sqrt(dx * dx + dz * dz);
    return VolumeAttenuation(soundVolume / (distance * 0.01 + 1.0));
}

void ApplySoundVolume(Sound& sound, int32_t soundVolume, int32_t localPlayerIndex) {
    int32_t attenuation = VolumeAttenuation(soundVolume);
    for (SoundBuffer& flag : sound.flagChannel) SetVolume(flag, attenuation);
    SetVolume(sound.pickupSound, attenuation);
    if (localPlayerIndex >= 0) SetPlayerVolume(sound, size_t(localPlayerIndex), attenuation);
}

void ApplyDistanceVolume(Sound& sound, size_t playerIndex, int32_t soundVolume, tvec3 local,
                         tvec3 remote) {
    SetPlayerVolume(sound, playerIndex, DistanceAttenuation(soundVolume, local, remote));
}
