// FakeAudio: an Audio that keeps buffers and channels in memory and records what the game asked
// of them, so sound logic can be checked without a device. It follows the same contract as the
// OpenAL device: playing a playing channel goes on, Stop rewinds, Pause keeps the position, and
// the samples of a deleted buffer live until their last channel is gone. `Advance` stands in for
// time passing: a one-shot channel moves on, and ends when it reaches the end of its samples.
// TestSounds loads a set of short sounds into a Sound on one.
#pragma once
#include <cstdint>
#include <map>
#include <span>
#include <vector>

#include "sound/audio.h"
#include "sound/sound_buffers.h"
#include "sound/sound_loading.h"
#include "support/temp_dir.h"
#include "support/wav_bytes.h"

class FakeAudio : public Audio {
  public:
    struct Buffer {
        PcmFormat format;
        std::vector<uint8_t> pcm;
        bool deleted = false;
    };
    struct Channel {
        uint32_t buffer = 0;
        bool playing = false;
        bool looping = false;
        uint32_t position = 0;  // bytes into the samples
        int32_t attenuation = 0;
        int playCount = 0;  // Play calls that started it (not those that found it playing)
    };

    bool deviceAvailable = true;
    bool open = false;
    int closeCount = 0;
    // What the game had not released itself when it closed the device.
    size_t channelsLeftAtClose = 0;
    size_t buffersLeftAtClose = 0;
    std::map<uint32_t, Buffer> buffers;
    std::map<uint32_t, Channel> channels;

    bool Open() override {
        open = deviceAvailable;
        return open;
    }
    void Close() override {
        ++closeCount;
        channelsLeftAtClose = channels.size();
        buffersLeftAtClose = buffers.size();
        open = false;
        channels.clear();
        buffers.clear();
    }
    bool Available() const override { return open; }

    uint32_t CreateBuffer(const PcmFormat& format, std::span<const uint8_t> pcm) override {
        if (!open) return 0;
        buffers[nextId_] = Buffer{format, {pcm.begin(), pcm.end()}, false};
        return nextId_++;
    }
    bool RefillBuffer(uint32_t buffer, std::span<const uint8_t> pcm) override {
        auto found = buffers.find(buffer);
        if (found == buffers.end() || found->second.deleted) return false;
        found->second.pcm.assign(pcm.begin(), pcm.end());
        for (auto& [id, channel] : channels) {
            if (channel.buffer == buffer) Stop(id);
        }
        return true;
    }
    void DeleteBuffer(uint32_t buffer) override {
        auto found = buffers.find(buffer);
        if (found == buffers.end()) return;
        found->second.deleted = true;
        DropUnusedBuffers();
    }
    uint32_t CreateChannel(uint32_t buffer) override {
        auto found = buffers.find(buffer);
        if (!open || found == buffers.end() || found->second.deleted) return 0;
        channels[nextId_] = Channel{buffer};
        return nextId_++;
    }
    void DeleteChannel(uint32_t channel) override {
        channels.erase(channel);
        DropUnusedBuffers();
    }

    void Play(uint32_t id, bool looping) override {
        Channel* channel = Find(id);
        if (channel == nullptr) return;
        channel->looping = looping;
        if (channel->playing) return;
        channel->playing = true;
        ++channel->playCount;
    }
    void Pause(uint32_t id) override {
        if (Channel* channel = Find(id)) channel->playing = false;
    }
    void Stop(uint32_t id) override {
        if (Channel* channel = Find(id)) {
            channel->playing = false;
            channel->position = 0;
        }
    }
    bool IsPlaying(uint32_t id) const override {
        auto found = channels.find(id);
        return found != channels.end() && found->second.playing;
    }
    void SetAttenuation(uint32_t id, int32_t hundredthsDb) override {
        if (Channel* channel = Find(id)) channel->attenuation = hundredthsDb;
    }

    // Moves a playing channel `bytes` further; a one-shot that reaches the end stops there and
    // starts from the beginning when played again.
    void Advance(uint32_t id, uint32_t bytes) {
        Channel* channel = Find(id);
        if (channel == nullptr || !channel->playing) return;
        uint32_t size = static_cast<uint32_t>(buffers.at(channel->buffer).pcm.size());
        channel->position += bytes;
        if (channel->position < size) return;
        if (channel->looping && size > 0) {
            channel->position %= size;
        } else {
            channel->playing = false;
            channel->position = 0;
        }
    }

    Channel* Find(uint32_t id) {
        auto found = channels.find(id);
        return found == channels.end() ? nullptr : &found->second;
    }
    const Buffer* SamplesOf(uint32_t channelId) const {
        auto channel = channels.find(channelId);
        if (channel == channels.end()) return nullptr;
        return &buffers.at(channel->second.buffer);
    }
    size_t LiveBuffers() const { return buffers.size(); }
    size_t LiveChannels() const { return channels.size(); }

  private:
    void DropUnusedBuffers() {
        for (auto it = buffers.begin(); it != buffers.end();) {
            bool used = false;
            for (const auto& [id, channel] : channels) used = used || channel.buffer == it->first;
            it = (it->second.deleted && !used) ? buffers.erase(it) : std::next(it);
        }
    }

    uint32_t nextId_ = 1;
};

// TestSounds: a short sound under every name the game plays, in a folder of their own, loaded into
// `sound` on a FakeAudio.
class TestSounds {
  public:
    explicit TestSounds(Sound& sound) {
        for (const char* name :
             {"fire.wav", "fire2.wav", "walk.wav", "reload.wav", "death.wav", "Sprint.wav",
              "gunpickup2.wav", "flagfrag.wav", "flagalarm.wav", "flagreturn.wav"}) {
            dir_.WriteBytes(name, wavtest::PcmWave(wavtest::Ramp(64)));
        }
        InitSound(sound, &audio);
        LoadSounds(sound, dir_.path().string(), 100);
    }
    // What the device holds for one of the game's channels.
    const FakeAudio::Channel& Of(const SoundBuffer& buffer) { return *audio.Find(buffer.channel); }

    FakeAudio audio;

  private:
    TempDir dir_;
};
