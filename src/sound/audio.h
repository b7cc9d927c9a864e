// Audio: the sound device as the game uses it: sample buffers and the channels that play them.
// The game's implementation is OpenAL Soft (platform/openal_audio); without a device every
// operation is a safe no-op, and tests use a recording fake. Ids are 0 for "none".
#pragma once
#include <cstdint>
#include <span>

struct PcmFormat {
    uint16_t channels = 1;
    uint32_t samplesPerSecond = 22050;
    uint16_t bitsPerSample = 16;
};

class Audio {
public:
    virtual ~Audio() = default;

    virtual bool Available() const = 0;
    // A sample buffer holding `pcm`; 0 when it could not be made.
    virtual uint32_t CreateBuffer(const PcmFormat& format, std::span<const uint8_t> pcm) = 0;
    virtual void DeleteBuffer(uint32_t buffer) = 0;
    // A channel that plays `buffer`; several channels may share one buffer.
    virtual uint32_t CreateChannel(uint32_t buffer) = 0;
    virtual void DeleteChannel(uint32_t channel) = 0;

    virtual void Play(uint32_t channel, bool looping) = 0;
    virtual void Stop(uint32_t channel) = 0;  // stops and rewinds to the beginning
    virtual bool IsPlaying(uint32_t channel) const = 0;
    // Attenuation in hundredths of a decibel: 0 is full volume, -10000 silence.
    virtual void SetAttenuation(uint32_t channel, int32_t hundredthsDb) = 0;
};
