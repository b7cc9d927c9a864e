#include "platform/openal_audio.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <algorithm>
#include <cmath>

namespace {

// The mixing rate the game's samples are made for.
constexpr ALCint kOutputRate = 22050;

ALenum AlFormat(const PcmFormat& format) {
    if (format.channels == 1) {
        return format.bitsPerSample == 8 ? AL_FORMAT_MONO8 : AL_FORMAT_MONO16;
    }
    return format.bitsPerSample == 8 ? AL_FORMAT_STEREO8 : AL_FORMAT_STEREO16;
}

bool SupportedFormat(const PcmFormat& format) {
    return (format.channels == 1 || format.channels == 2) &&
           (format.bitsPerSample == 8 || format.bitsPerSample == 16) && format.samplesPerSecond > 0;
}

}  // namespace

OpenAlAudio::~OpenAlAudio() {
    Close();
}

bool OpenAlAudio::Open() {
    if (context_ != nullptr) return true;
    device_ = alcOpenDevice(nullptr);
    if (device_ == nullptr) return false;
    const ALCint attributes[] = {ALC_FREQUENCY, kOutputRate, 0};
    context_ = alcCreateContext(device_, attributes);
    if (context_ == nullptr || alcMakeContextCurrent(context_) == ALC_FALSE) {
        if (context_ != nullptr) alcDestroyContext(context_);
        context_ = nullptr;
        alcCloseDevice(device_);
        device_ = nullptr;
        return false;
    }
    return true;
}

void OpenAlAudio::Close() {
    if (context_ == nullptr) return;
    for (auto& [id, channel] : channels_) {
        alSourceStop(channel.alSource);
        alDeleteSources(1, &channel.alSource);
    }
    for (auto& [id, samples] : buffers_) alDeleteBuffers(1, &samples.alBuffer);
    channels_.clear();
    buffers_.clear();
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context_);
    alcCloseDevice(device_);
    context_ = nullptr;
    device_ = nullptr;
}

bool OpenAlAudio::UploadSamples(Samples& samples, std::span<const uint8_t> pcm) {
    // AL takes whole frames only.
    size_t frame = samples.format.BytesPerFrame();
    size_t size = pcm.size() / frame * frame;
    alGetError();
    alBufferData(samples.alBuffer, AlFormat(samples.format), pcm.data(), ALsizei(size),
                 ALsizei(samples.format.samplesPerSecond));
    return alGetError() == AL_NO_ERROR;
}

uint32_t OpenAlAudio::CreateBuffer(const PcmFormat& format, std::span<const uint8_t> pcm) {
    if (context_ == nullptr || !SupportedFormat(format) || pcm.size() > INT32_MAX) return 0;
    Samples samples{0, format, false};
    alGetError();
    alGenBuffers(1, &samples.alBuffer);
    if (alGetError() != AL_NO_ERROR) return 0;
    if (!UploadSamples(samples, pcm)) {
        alDeleteBuffers(1, &samples.alBuffer);
        return 0;
    }
    buffers_[nextId_] = samples;
    return nextId_++;
}

bool OpenAlAudio::RefillBuffer(uint32_t buffer, std::span<const uint8_t> pcm) {
    auto found = buffers_.find(buffer);
    if (found == buffers_.end() || found->second.released || pcm.size() > INT32_MAX) return false;
    // AL refuses new data for a buffer a source holds: detach, refill, attach again.
    for (auto& [id, channel] : channels_) {
        if (channel.buffer != buffer) continue;
        alSourceStop(channel.alSource);
        alSourcei(channel.alSource, AL_BUFFER, 0);
    }
    bool uploaded = UploadSamples(found->second, pcm);
    for (auto& [id, channel] : channels_) {
        if (channel.buffer != buffer) continue;
        alSourcei(channel.alSource, AL_BUFFER, ALint(found->second.alBuffer));
        alSourceRewind(channel.alSource);
    }
    return uploaded;
}

void OpenAlAudio::DeleteBuffer(uint32_t buffer) {
    auto found = buffers_.find(buffer);
    if (found == buffers_.end()) return;
    found->second.released = true;
    FreeIfUnused(buffer);
}

void OpenAlAudio::FreeIfUnused(uint32_t buffer) {
    auto found = buffers_.find(buffer);
    if (found == buffers_.end() || !found->second.released) return;
    bool used = std::any_of(channels_.begin(), channels_.end(),
                            [buffer](const auto& entry) { return entry.second.buffer == buffer; });
    if (used) return;
    alDeleteBuffers(1, &found->second.alBuffer);
    buffers_.erase(found);
}

uint32_t OpenAlAudio::CreateChannel(uint32_t buffer) {
    auto found = buffers_.find(buffer);
    if (context_ == nullptr || found == buffers_.end() || found->second.released) return 0;
    Channel channel{0, buffer};
    alGetError();
    alGenSources(1, &channel.alSource);
    if (alGetError() != AL_NO_ERROR) return 0;
    // Heard as is: at the listener, no distance roll-off.
    alSourcei(channel.alSource, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(channel.alSource, AL_POSITION, 0.0f, 0.0f, 0.0f);
    alSourcef(channel.alSource, AL_ROLLOFF_FACTOR, 0.0f);
    alSourcei(channel.alSource, AL_BUFFER, ALint(found->second.alBuffer));
    channels_[nextId_] = channel;
    return nextId_++;
}

void OpenAlAudio::DeleteChannel(uint32_t id) {
    auto found = channels_.find(id);
    if (found == channels_.end()) return;
    uint32_t buffer = found->second.buffer;
    alSourceStop(found->second.alSource);
    alDeleteSources(1, &found->second.alSource);
    channels_.erase(found);
    FreeIfUnused(buffer);
}

void OpenAlAudio::Play(uint32_t id, bool looping) {
    uint32_t source = SourceOf(id);
    if (source == 0) return;
    alSourcei(source, AL_LOOPING, looping ? AL_TRUE : AL_FALSE);
    // alSourcePlay on a playing source would restart it.
    ALint state = 0;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    if (state != AL_PLAYING) alSourcePlay(source);
}

void OpenAlAudio::Pause(uint32_t id) {
    uint32_t source = SourceOf(id);
    if (source == 0) return;
    ALint state = 0;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    if (state == AL_PLAYING) alSourcePause(source);
}

void OpenAlAudio::Stop(uint32_t id) {
    uint32_t source = SourceOf(id);
    if (source == 0) return;
    alSourceStop(source);
    alSourceRewind(source);
}

bool OpenAlAudio::IsPlaying(uint32_t id) const {
    uint32_t source = SourceOf(id);
    if (source == 0) return false;
    ALint state = 0;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

void OpenAlAudio::SetAttenuation(uint32_t id, int32_t hundredthsDb) {
    uint32_t source = SourceOf(id);
    if (source == 0) return;
    int32_t attenuation = std::clamp(hundredthsDb, -10000, 0);
    alSourcef(source, AL_GAIN, float(std::pow(10.0, attenuation / 2000.0)));
}

uint32_t OpenAlAudio::SourceOf(uint32_t id) const {
    auto found = channels_.find(id);
    return found == channels_.end() ? 0 : found->second.alSource;
}
