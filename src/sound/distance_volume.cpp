#include "sound/distance_volume.h"

#include "sound/sound_volume.h"

void SetRemoteVolumesByDistance(Sound& sound, std::span<const MatchPlayer> players,
                                int32_t localPlayerIndex, int32_t soundVolume) {
    const auto local = static_cast<size_t>(localPlayerIndex);
    if (localPlayerIndex < 0 || local >= players.size()) return;
    const tvec3 here = players[local].model.position;
    for (size_t index = 0; index < players.size(); ++index) {
        if (index == local) continue;
        ApplyDistanceVolume(sound, index, soundVolume, here, players[index].model.position);
    }
}
