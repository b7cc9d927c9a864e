#include "sound/match_sounds.h"

#include "sound/player_channels.h"
#include "sound/sound_buffers.h"
#include "sound/sound_loading.h"
#include "sound/sound_volume.h"

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

void RestartFireSound(Sound& sound, int32_t ownerIndex) {
    if (PlayerChannels* channels = ChannelsOf(sound, static_cast<size_t>(ownerIndex)))
        RestartSound(channels->fire);
}

// Playing a flag's sound stops whatever its channel played; a dropped flag keeps its alarm.
void AnnounceFlag(Sound& sound, const FlagAnnounced& flag) {
    const int32_t channel = flag.owners;
    switch (flag.change) {
        case FlagChange::kCaptured:
            PlayFlagSound(sound, "flagfrag.wav", false, channel);
            break;
        case FlagChange::kReturned:
            PlayFlagSound(sound, "flagreturn.wav", false, channel);
            break;
        case FlagChange::kTaken:
            PlayFlagSound(sound, "flagalarm.wav", true, channel);
            break;
        case FlagChange::kDropped:
            break;
    }
}

}  // namespace

void PlayMatchSounds(Sound& sound, const MatchEvents& events, int32_t soundVolume,
                     int32_t localPlayerIndex) {
    for (const MatchEvent& event : events) {
        if (const auto* shot = std::get_if<ShotFired>(&event)) {
            RestartFireSound(sound, shot->ownerIndex);
        } else if (const auto* remote = std::get_if<RemoteShot>(&event)) {
            RestartFireSound(sound, remote->ownerIndex);
        } else if (const auto* cue = std::get_if<PlayerSoundCue>(&event)) {
            if (PlayerChannels* channels = ChannelsOf(sound, static_cast<size_t>(cue->playerIndex)))
                PlayPlayerSound(*channels, cue->sound);
        } else if (const auto* gait = std::get_if<GaitChanged>(&event)) {
            SwitchLoopingSounds(sound, static_cast<size_t>(gait->playerIndex), gait->animation);
        } else if (const auto* seated = std::get_if<PlayerSeated>(&event)) {
            AddPlayerChannels(sound, seated->team);
            ApplySoundVolume(sound, soundVolume, localPlayerIndex);
        } else if (const auto* unseated = std::get_if<PlayerUnseated>(&event)) {
            RemovePlayerChannels(sound, static_cast<size_t>(unseated->slot));
        } else if (std::holds_alternative<RosterEmptied>(event)) {
            ReleasePlayerChannels(sound);
        } else if (std::holds_alternative<LevelEnded>(event)) {
            for (PlayerChannels& channels : sound.playerChannels) {
                if (IsPlaying(channels.walk)) StopSound(false, channels.walk);
            }
        } else if (const auto* flag = std::get_if<FlagAnnounced>(&event)) {
            AnnounceFlag(sound, *flag);
        } else if (std::holds_alternative<FlagAlarmsOff>(event)) {
            for (SoundBuffer& alarm : sound.flagChannel) StopSound(true, alarm);
        }
    }
}
