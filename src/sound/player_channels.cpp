#include "sound/player_channels.h"

#include "sound/sound_buffers.h"

namespace {

constexpr int32_t kSprintAnimation = 7;

bool IsSilentAnimation(int32_t animation) {
    // Standing, crouched still, dying, jumping.
    return animation == -1 || animation == 6 || animation == 10 || animation == 11;
}

template <typename Visit>
void ForEachChannel(PlayerChannels& channels, Visit visit) {
    visit(channels.fire);
    visit(channels.walk);
    visit(channels.reload);
    visit(channels.death);
    visit(channels.sprint);
}

}  // namespace

size_t AddPlayerChannels(Sound& sound, int32_t team) {
    PlayerChannels& channels = sound.playerChannels.emplace_back();
    DuplicateChannel(team == 1 ? sound.fire2Sound : sound.fireSound, channels.fire);
    DuplicateChannel(sound.walkSound, channels.walk);
    DuplicateChannel(sound.reloadSound, channels.reload);
    DuplicateChannel(sound.deathSound, channels.death);
    DuplicateChannel(sound.sprintSound, channels.sprint);
    return sound.playerChannels.size() - 1;
}

void RemovePlayerChannels(Sound& sound, size_t playerIndex) {
    PlayerChannels* channels = ChannelsOf(sound, playerIndex);
    if (channels == nullptr) return;
    ForEachChannel(*channels, ReleaseSound);
    sound.playerChannels.erase(sound.playerChannels.begin() + std::ptrdiff_t(playerIndex));
}

void ReleasePlayerChannels(Sound& sound) {
    for (PlayerChannels& channels : sound.playerChannels) ForEachChannel(channels, ReleaseSound);
    sound.playerChannels.clear();
}

PlayerChannels* ChannelsOf(Sound& sound, size_t playerIndex) {
    if (playerIndex >= sound.playerChannels.size()) return nullptr;
    return &sound.playerChannels[playerIndex];
}

void SetPlayerVolume(Sound& sound, size_t playerIndex, int32_t attenuation) {
    PlayerChannels* channels = ChannelsOf(sound, playerIndex);
    if (channels == nullptr) return;
    ForEachChannel(*channels,
                   [attenuation](SoundBuffer& channel) { SetVolume(channel, attenuation); });
}

void SwitchLoopingSounds(Sound& sound, size_t playerIndex, int32_t animation) {
    PlayerChannels* channels = ChannelsOf(sound, playerIndex);
    if (channels == nullptr) return;
    if (IsSilentAnimation(animation)) {
        StopSound(false, channels->walk);
        StopSound(false, channels->sprint);
    } else if (animation == kSprintAnimation) {
        StopSound(false, channels->walk);
        PlaySound(true, channels->sprint);
    } else {
        StopSound(false, channels->sprint);
        PlaySound(true, channels->walk);
    }
}
