// Sound buffers: the operations on one playable sound. A buffer is made from a WAV file through
// the one current wave reader of `Sound`, filled, duplicated into more channels on the same
// samples, played, stopped and turned down. Every operation on an absent buffer (missing file, no
// device) does nothing: play reports failure, status reports not playing.
#pragma once
#include <cstdint>
#include <string>

#include "sound/sound.h"

// Result codes: 0 success, negative failure. Callers are free to ignore them.
enum SoundResult : int32_t {
    kSoundOk = 0,
    kSoundNoDevice = -1,
    kSoundBadFile = -2,
    kSoundNoBuffer = -3,
    kSoundFailed = -4,
};

inline constexpr int32_t kSilentAttenuation = -10000;

// Opens the output device of `audio` (may be null: no sound at all).
int32_t InitSound(Sound& sound, Audio* audio);

// A buffer the size of the file's sample data, in the file's format, still silent: FillBuffer
// copies the samples in. The file's reader becomes the current one.
int32_t CreateSoundBuffer(Sound& sound, const std::string& path, SoundBuffer& buffer);
// The same for a buffer that is refilled later with other files (the flag channels).
int32_t CreateStreamBuffer(Sound& sound, const std::string& path, SoundBuffer& buffer);
// Copies the current reader's samples into `buffer` and rewinds the reader.
int32_t FillBuffer(Sound& sound, SoundBuffer& buffer);
// Reads `path` into the start of an existing buffer, which keeps its size and format: a longer
// file is cut, a shorter one is followed by silence. A bad file leaves the buffer as it was.
int32_t LoadIntoBuffer(Sound& sound, SoundBuffer& buffer, const std::string& path);

bool IsPlaying(const SoundBuffer& buffer);
// Plays from the current position; a sound already playing goes on without a restart.
int32_t PlaySound(bool looping, SoundBuffer& buffer);
void StopSound(bool rewind, SoundBuffer& buffer);
// Plays a one-shot sound again from its beginning, whether or not it is still playing.
void RestartSound(SoundBuffer& buffer);
// Attenuation in hundredths of a decibel, kept within -10000 (silence) .. 0 (full volume).
void SetVolume(SoundBuffer& buffer, int32_t attenuation);
// A new channel sharing the base's samples, starting at the base's volume; absent when the base is.
int32_t DuplicateChannel(const SoundBuffer& base, SoundBuffer& channel);
// Stops and frees the channel (and the samples it owns); the buffer becomes absent.
void ReleaseSound(SoundBuffer& buffer);
