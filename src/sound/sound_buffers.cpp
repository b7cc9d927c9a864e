#include "sound/sound_buffers.h"

#include <algorithm>
#include <vector>

namespace {

// Unsigned 8-bit samples are silent at their middle value.
uint8_t SilenceByte(const PcmFormat& format) {
    return format.bitsPerSample == 8 ? 0x80 : 0x00;
}

// Opens `path` as the new current reader; its samples must be playable.
int32_t OpenReader(Sound& sound, const std::string& path, PcmFormat& format) {
    sound.reader.emplace();
    if (!sound.reader->Open(path)) {
        sound.lastError = sound.reader->Error();
        return kSoundBadFile;
    }
    std::optional<PcmFormat> playable = PlayableFormat(*sound.reader->format);
    if (!playable) {
        sound.lastError = path + ": unsupported sample format";
        sound.reader->Close();
        return kSoundBadFile;
    }
    format = *playable;
    return kSoundOk;
}

// The reader's samples from the start, cut or padded with silence to `size` bytes.
std::vector<uint8_t> ReadSamples(CWaveSoundRead& reader, uint32_t size, const PcmFormat& format) {
    std::vector<uint8_t> samples(size, SilenceByte(format));
    reader.Reset();
    reader.Read(samples);
    reader.Reset();
    return samples;
}

int32_t CreateBufferFromFile(Sound& sound, const std::string& path, SoundBuffer& buffer) {
    ReleaseSound(buffer);
    if (sound.device == nullptr) return kSoundNoDevice;
    PcmFormat format;
    if (int32_t result = OpenReader(sound, path, format); result != kSoundOk) return result;

    // A buffer holds whole sample frames only.
    uint32_t size = sound.reader->DataSize() / format.BytesPerFrame() * format.BytesPerFrame();
    if (size == 0) {
        sound.lastError = path + ": no samples";
        return kSoundBadFile;
    }
    std::vector<uint8_t> silence(size, SilenceByte(format));
    uint32_t samples = sound.device->CreateBuffer(format, silence);
    if (samples == 0) return kSoundFailed;
    uint32_t channel = sound.device->CreateChannel(samples);
    if (channel == 0) {
        sound.device->DeleteBuffer(samples);
        return kSoundFailed;
    }
    buffer = SoundBuffer{sound.device, samples, channel, true, size, format, 0};
    sound.lastBufferSize = size;
    return kSoundOk;
}

}  // namespace

int32_t InitSound(Sound& sound, Audio* audio) {
    sound.device = nullptr;
    if (audio == nullptr || !audio->Open()) return kSoundNoDevice;
    sound.device = audio;
    return kSoundOk;
}

int32_t CreateSoundBuffer(Sound& sound, const std::string& path, SoundBuffer& buffer) {
    return CreateBufferFromFile(sound, path, buffer);
}

int32_t CreateStreamBuffer(Sound& sound, const std::string& path, SoundBuffer& buffer) {
    // OpenAL makes no difference between static and streamed buffers; both are refillable.
    return CreateBufferFromFile(sound, path, buffer);
}

int32_t FillBuffer(Sound& sound, SoundBuffer& buffer) {
    if (!buffer.Present()) return kSoundNoBuffer;
    if (!sound.reader || !sound.reader->IsOpen()) return kSoundBadFile;
    std::vector<uint8_t> samples = ReadSamples(*sound.reader, buffer.size, buffer.format);
    if (!buffer.device->RefillBuffer(buffer.samples, samples)) return kSoundFailed;
    sound.lastBufferSize = buffer.size;
    return kSoundOk;
}

int32_t LoadIntoBuffer(Sound& sound, SoundBuffer& buffer, const std::string& path) {
    if (!buffer.Present()) return kSoundNoBuffer;
    PcmFormat fileFormat;
    if (int32_t result = OpenReader(sound, path, fileFormat); result != kSoundOk) return result;
    // The bytes go in as they are: the buffer keeps the format it was made with.
    std::vector<uint8_t> samples = ReadSamples(*sound.reader, buffer.size, buffer.format);
    if (!buffer.device->RefillBuffer(buffer.samples, samples)) return kSoundFailed;
    sound.lastBufferSize = buffer.size;
    return kSoundOk;
}

bool IsPlaying(const SoundBuffer& buffer) {
    return buffer.Present() && buffer.device->IsPlaying(buffer.channel);
}

int32_t PlaySound(bool looping, SoundBuffer& buffer) {
    if (!buffer.Present()) return kSoundNoBuffer;
    buffer.device->Play(buffer.channel, looping);
    return kSoundOk;
}

void StopSound(bool rewind, SoundBuffer& buffer) {
    if (!buffer.Present()) return;
    if (rewind) {
        buffer.device->Stop(buffer.channel);
    } else {
        buffer.device->Pause(buffer.channel);
    }
}

void RestartSound(SoundBuffer& buffer) {
    // Rewinding even a silent channel: one stopped half-way would otherwise resume mid-sound.
    StopSound(true, buffer);
    PlaySound(false, buffer);
}

void SetVolume(SoundBuffer& buffer, int32_t attenuation) {
    if (!buffer.Present()) return;
    buffer.attenuation = std::clamp(attenuation, kSilentAttenuation, 0);
    buffer.device->SetAttenuation(buffer.channel, buffer.attenuation);
}

int32_t DuplicateChannel(const SoundBuffer& base, SoundBuffer& channel) {
    ReleaseSound(channel);
    if (!base.Present()) return kSoundNoBuffer;
    uint32_t id = base.device->CreateChannel(base.samples);
    if (id == 0) return kSoundFailed;
    channel = base;
    channel.channel = id;
    channel.ownsSamples = false;
    base.device->SetAttenuation(id, channel.attenuation);
    return kSoundOk;
}

void ReleaseSound(SoundBuffer& buffer) {
    if (buffer.device != nullptr) {
        if (buffer.channel != 0) buffer.device->DeleteChannel(buffer.channel);
        if (buffer.ownsSamples && buffer.samples != 0) buffer.device->DeleteBuffer(buffer.samples);
    }
    buffer = SoundBuffer{};
}
