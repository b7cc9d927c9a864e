// OpenAlAudio: the game's sound device on OpenAL Soft. One AL buffer per sample, one AL source per
// channel, all sources heard without positioning at the listener. Attenuation in hundredths of a
// decibel becomes the gain 10^(attenuation / 2000). Without an output device Open() fails and
// every call does nothing. Owned by the program shell; the game reaches it through `Audio`.
#pragma once
#include <AL/alc.h>

#include <cstdint>
#include <map>
#include <span>

#include "sound/audio.h"

class OpenAlAudio final : public Audio {
  public:
    OpenAlAudio() = default;
    ~OpenAlAudio() override;
    OpenAlAudio(const OpenAlAudio&) = delete;
    OpenAlAudio& operator=(const OpenAlAudio&) = delete;

    bool Open() override;
    void Close() override;
    bool Available() const override { return context_ != nullptr; }

    uint32_t CreateBuffer(const PcmFormat& format, std::span<const uint8_t> pcm) override;
    bool RefillBuffer(uint32_t buffer, std::span<const uint8_t> pcm) override;
    void DeleteBuffer(uint32_t buffer) override;
    uint32_t CreateChannel(uint32_t buffer) override;
    void DeleteChannel(uint32_t channel) override;

    void Play(uint32_t channel, bool looping) override;
    void Pause(uint32_t channel) override;
    void Stop(uint32_t channel) override;
    bool IsPlaying(uint32_t channel) const override;
    void SetAttenuation(uint32_t channel, int32_t hundredthsDb) override;

    // The AL source behind a channel (0 when none), for tests that look at the device itself.
    uint32_t SourceOf(uint32_t channel) const;

  private:
    struct Samples {
        uint32_t alBuffer = 0;
        PcmFormat format;
        bool released = false;  // freed once no channel uses it
    };
    struct Channel {
        uint32_t alSource = 0;
        uint32_t buffer = 0;
    };

    bool UploadSamples(Samples& samples, std::span<const uint8_t> pcm);
    void FreeIfUnused(uint32_t buffer);

    ALCdevice* device_ = nullptr;
    ALCcontext* context_ = nullptr;
    std::map<uint32_t, Samples> buffers_;
    std::map<uint32_t, Channel> channels_;
    uint32_t nextId_ = 1;
};
