// Sound: everything the game plays: the samples loaded at start-up, the two flag channels, the
// five channels of every player (indexed like the player table) and the current wave reader.
// Filled by LoadSounds (sound/sound_loading.h) and emptied by ReleaseSounds at shutdown; the
// player channels come and go with players (sound/player_channels.h).
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sound/audio.h"
#include "sound/wave_reader.h"

// One playable sound: a channel on sample data. A base buffer owns its samples; a duplicate
// shares them. Absent (channel 0) when its file was missing or bad, or there is no device:
// every operation on an absent buffer does nothing.
struct SoundBuffer {
    Audio* device = nullptr;
    uint32_t samples = 0;
    uint32_t channel = 0;
    bool ownsSamples = false;
    uint32_t size = 0;  // bytes of samples
    PcmFormat format;
    int32_t attenuation = 0;  // hundredths of a decibel

    bool Present() const { return device != nullptr && channel != 0; }
};

// The five channels every player has, duplicates of the base buffers.
struct PlayerChannels {
    SoundBuffer fire;
    SoundBuffer walk;
    SoundBuffer reload;
    SoundBuffer death;
    SoundBuffer sprint;
};

struct Sound {
    Audio* device = nullptr;               // null until InitSound found a device
    std::string soundDir;                  // ends with '/'
    std::optional<CWaveSoundRead> reader;  // the one current reader
    uint32_t lastBufferSize = 0;
    std::string lastError;  // why the last file was refused

    SoundBuffer fireSound;   // team 0
    SoundBuffer fire2Sound;  // team 1
    SoundBuffer walkSound;
    SoundBuffer reloadSound;
    SoundBuffer deathSound;
    SoundBuffer sprintSound;
    SoundBuffer pickupSound;
    std::array<SoundBuffer, 2> flagChannel;  // 0 blue, 1 red

    std::vector<PlayerChannels> playerChannels;
};
