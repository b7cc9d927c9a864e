#include "sound/sound_loading.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "sound/player_channels.h"
#include "sound/sound_buffers.h"
#include "sound/sound_volume.h"

namespace {

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

int32_t LoadBaseSound(Sound& sound, const std::string& fileName, SoundBuffer& buffer) {
    int32_t result = CreateSoundBuffer(sound, SoundFilePath(sound.soundDir, fileName), buffer);
    if (result != kSoundOk) return result;
    return FillBuffer(sound, buffer);
}

bool SoundFileExists(const Sound& sound, const std::string& fileName) {
    std::error_code error;
    return std::filesystem::exists(SoundFilePath(sound.soundDir, fileName), error);
}

using Faults = std::vector<std::string>;

void NoteMissing(const Sound& sound, const std::string& fileName, Faults& faults) {
    faults.push_back(sound.soundDir + fileName + ": the file is missing");
}

// A missing or unplayable file leaves its sound silent; each is noted once, here.
void LoadNoted(Sound& sound, const std::string& fileName, SoundBuffer& buffer, Faults& faults) {
    if (!SoundFileExists(sound, fileName)) return NoteMissing(sound, fileName, faults);
    if (LoadBaseSound(sound, fileName, buffer) == kSoundBadFile) faults.push_back(sound.lastError);
}

// The announcements are read only when a flag changes; their faults are found now.
void CheckPlayable(const Sound& sound, const std::string& fileName, Faults& faults) {
    if (!SoundFileExists(sound, fileName)) return NoteMissing(sound, fileName, faults);
    const std::string path = SoundFilePath(sound.soundDir, fileName);
    CWaveSoundRead reader;
    if (!reader.Open(path)) {
        faults.push_back(reader.Error());
    } else if (!PlayableFormat(*reader.format)) {
        faults.push_back(path + ": unsupported sample format");
    }
}

}  // namespace

std::string SoundFilePath(const std::string& soundDir, const std::string& fileName) {
    std::string exact = soundDir + fileName;
    std::error_code error;
    if (std::filesystem::exists(exact, error)) return exact;
    for (const auto& entry : std::filesystem::directory_iterator(soundDir, error)) {
        std::string name = entry.path().filename().string();
        if (SameNameIgnoringCase(name, fileName)) return soundDir + name;
    }
    return exact;
}

std::vector<std::string> LoadSounds(Sound& sound, const std::string& soundDir,
                                    int32_t soundVolume) {
    sound.soundDir = soundDir;
    if (!sound.soundDir.empty() && sound.soundDir.back() != '/') sound.soundDir += '/';
    Faults faults;
    if (sound.device == nullptr) return faults;

    LoadNoted(sound, "fire.wav", sound.fireSound, faults);
    // Team 1 must not go silent: a missing or broken "fire2.wav" falls back to "fire.wav".
    if (SoundFileExists(sound, "fire2.wav"))
        LoadNoted(sound, "fire2.wav", sound.fire2Sound, faults);
    if (!sound.fire2Sound.Present()) LoadBaseSound(sound, "fire.wav", sound.fire2Sound);
    LoadNoted(sound, "walk.wav", sound.walkSound, faults);
    LoadNoted(sound, "reload.wav", sound.reloadSound, faults);
    LoadNoted(sound, "death.wav", sound.deathSound, faults);
    LoadNoted(sound, "Sprint.wav", sound.sprintSound, faults);
    LoadNoted(sound, "gunpickup2.wav", sound.pickupSound, faults);
    if (SoundFileExists(sound, "flagfrag.wav")) {
        std::string path = SoundFilePath(sound.soundDir, "flagfrag.wav");
        for (SoundBuffer& flag : sound.flagChannel) {
            if (CreateStreamBuffer(sound, path, flag) == kSoundOk) {
                LoadIntoBuffer(sound, flag, path);
            }
        }
    }
    for (const char* announcement : {"flagfrag.wav", "flagreturn.wav", "flagalarm.wav"})
        CheckPlayable(sound, announcement, faults);
    ApplySoundVolume(sound, soundVolume, -1);
    return faults;
}

int32_t PlayFlagSound(Sound& sound, const std::string& fileName, bool looping, int32_t channel) {
    if (channel < 0 || channel >= int32_t(sound.flagChannel.size())) return kSoundNoBuffer;
    SoundBuffer& flag = sound.flagChannel[size_t(channel)];
    StopSound(true, flag);
    int32_t result = LoadIntoBuffer(sound, flag, SoundFilePath(sound.soundDir, fileName));
    // Better silence than the previous announcement played again.
    if (result != kSoundOk) return result;
    return PlaySound(looping, flag);
}

void ReleaseSounds(Sound& sound) {
    ReleasePlayerChannels(sound);
    for (SoundBuffer* buffer :
         {&sound.fireSound, &sound.fire2Sound, &sound.walkSound, &sound.reloadSound,
          &sound.deathSound, &sound.sprintSound, &sound.pickupSound}) {
        ReleaseSound(*buffer);
    }
    for (SoundBuffer& flag : sound.flagChannel) ReleaseSound(flag);
    sound.reader.reset();
    if (sound.device != nullptr) sound.device->Close();
    sound.device = nullptr;
    sound.lastBufferSize = 0;
}
