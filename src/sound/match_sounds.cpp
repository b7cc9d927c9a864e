#include "sound/match_sounds.h"

#include "sound/player_channels.h"
#include "sound/sound_buffers.h"

namespace {

void PlayPlayerSound(PlayerChannels& channels, PlayerSound sound) {
    switch (sound) {
        case PlayerSound::kReloadStarted:
            RestartSound(channels.reload);
            break;
        case PlayerSound::kReloadFinished:
            StopSound(true, channels.reload);
            break;
        case PlayerSound::kDeath:
            PlaySound(false, channels.death);
            break;
    }
}

}  // namespace

void PlayMatchSounds(Sound& sound, const MatchEvents& events) {
    for (const MatchEvent& event : events) {
        if (const auto* shot = std::get_if<ShotFired>(&event)) {
            if (PlayerChannels* channels = ChannelsOf(sound, static_cast<size_t>(shot->ownerIndex)))
                RestartSound(channels->fire);
        } else if (const auto* cue = std::get_if<PlayerSoundCue>(&event)) {
            if (PlayerChannels* channels = ChannelsOf(sound, static_cast<size_t>(cue->playerIndex)))
                PlayPlayerSound(*channels, cue->sound);
        } else if (const auto* gait = std::get_if<GaitChanged>(&event)) {
            SwitchLoopingSounds(sound, static_cast<size_t>(gait->playerIndex), gait->animation);
        }
    }
}
