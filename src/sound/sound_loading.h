// Sound loading: the samples the game loads once at start-up from its sound folder, the flag
// announcements, and the release of everything at shutdown. Start-up calls InitSound
// (sound/sound_buffers.h), then LoadSounds; shutdown calls ReleaseSounds.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "sound/sound.h"

// Loads, in this order: "fire.wav" (always attempted), "fire2.wav" ("fire.wav" again when it is
// missing or bad), then each of "walk.wav", "reload.wav", "death.wav", "Sprint.wav",
// "gunpickup2.wav" and both flag channels from "flagfrag.wav" when the file exists; then sets
// the volume of the flag channels and the pickup sound. Without a device it only keeps the folder.
// Returns a line for each sound that will stay silent (the file and why), the flag announcements
// checked too; "fire2.wav" missing is no fault, as "fire.wav" stands in.
std::vector<std::string> LoadSounds(Sound& sound, const std::string& soundDir, int32_t soundVolume);

// The path of `fileName` in the sound folder; a file whose name differs only in letter case is
// found too, as sound files copied from a case-blind system may be named either way.
std::string SoundFilePath(const std::string& soundDir, const std::string& fileName);

// Plays `fileName` from the sound folder on flag channel 0 (blue) or 1 (red), stopping whatever
// that channel played. The channel keeps the size of its first file. A missing or bad file
// leaves the channel silent.
int32_t PlayFlagSound(Sound& sound, const std::string& fileName, bool looping, int32_t channel);

// Releases every player's channels, the base buffers, the flag channels, the reader and the device.
void ReleaseSounds(Sound& sound);
