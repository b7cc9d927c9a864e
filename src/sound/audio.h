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

    uint32_t BytesPerFrame() const { return uint32_t{channels} * (bitsPerSample / 8u); }
};

class Audio {
  public:
    virtual ~Audio() = default;

    // Opens the output device; false (and everything a no-op) when there is none.
    virtual bool Open() = 0;
    // Releases whatever buffers and channels are left, then the device.
    virtual void Close() = 0;
    virtual bool Available() const = 0;

    // A sample buffer holding `pcm`; 0 when it could not be made.
    virtual uint32_t CreateBuffer(const PcmFormat& format, std::span<const uint8_t> pcm) = 0;
    // Replaces the samples of `buffer`, keeping its format; its channels are stopped and rewound.
    virtual bool RefillBuffer(uint32_t buffer, std::span<const uint8_t> pcm) = 0;
    // The samples go away once no channel plays them any more.
    virtual void DeleteBuffer(uint32_t buffer) = 0;
    // A channel that plays `buffer`; several channels may share one buffer.
    virtual uint32_t CreateChannel(uint32_t buffer) = 0;
    virtual void DeleteChannel(uint32_t channel) = 0;

    // Plays from the current position; a channel that already plays goes on (only its looping
    // changes). A channel that played to its end starts again from the beginning.
    virtual void Play(uint32_t channel, bool looping) = 0;
    virtual void Pause(uint32_t channel) = 0;  // stops and keeps the position
    virtual void Stop(uint32_t channel) = 0;   // stops and rewinds to the beginning
    virtual bool IsPlaying(uint32_t channel) const = 0;
    // Attenuation in hundredths of a decibel: 0 is full volume, -10000 silence.
    virtual void SetAttenuation(uint32_t channel, int32_t hundredthsDb) = 0;
};
