// The real OpenAL Soft path, on its null output driver: no sound card needed, but the mixer runs.
#include "platform/openal_audio.h"

#include <AL/al.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

#include "sound/player_channels.h"
#include "sound/sound_buffers.h"
#include "sound/sound_loading.h"
#include "sound/sound_volume.h"
#include "support/temp_dir.h"
#include "support/wav_bytes.h"

using namespace wavtest;

namespace {

class OpenAlAudioTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("ALSOFT_DRIVERS", "null", 0);
        if (!audio_.Open()) GTEST_SKIP() << "OpenAL Soft has no null output driver here";
    }

    // `seconds` of 16-bit mono silence at 22050 Hz.
    uint32_t Buffer(double seconds) {
        std::vector<uint8_t> pcm(size_t(seconds * 22050) * 2, 0);
        return audio_.CreateBuffer(PcmFormat{1, 22050, 16}, pcm);
    }
    ALint SourceInt(uint32_t channel, ALenum what) {
        ALint value = -1;
        alGetSourcei(audio_.SourceOf(channel), what, &value);
        return value;
    }
    float Gain(uint32_t channel) {
        float gain = -1;
        alGetSourcef(audio_.SourceOf(channel), AL_GAIN, &gain);
        return gain;
    }
    // Waits (at most two seconds) until the mixer has moved the channel past its start.
    bool WaitForProgress(uint32_t channel) {
        for (int i = 0; i < 200; ++i) {
            if (SourceInt(channel, AL_SAMPLE_OFFSET) > 0) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    OpenAlAudio audio_;
};

}  // namespace

TEST_F(OpenAlAudioTest, PlaysLoopsPausesAndStopsWithRewind) {
    uint32_t channel = audio_.CreateChannel(Buffer(5));
    ASSERT_NE(channel, 0u);
    EXPECT_FALSE(audio_.IsPlaying(channel));
    audio_.Play(channel, true);
    EXPECT_TRUE(audio_.IsPlaying(channel));
    EXPECT_EQ(SourceInt(channel, AL_LOOPING), AL_TRUE);
    ASSERT_TRUE(WaitForProgress(channel));

    audio_.Pause(channel);
    EXPECT_FALSE(audio_.IsPlaying(channel));
    ALint pausedAt = SourceInt(channel, AL_SAMPLE_OFFSET);
    EXPECT_GT(pausedAt, 0);
    // Playing a paused channel resumes it, and playing a playing one does not restart it.
    audio_.Play(channel, false);
    audio_.Play(channel, false);
    EXPECT_GE(SourceInt(channel, AL_SAMPLE_OFFSET), pausedAt);
    EXPECT_EQ(SourceInt(channel, AL_LOOPING), AL_FALSE);

    audio_.Stop(channel);
    EXPECT_FALSE(audio_.IsPlaying(channel));
    EXPECT_EQ(SourceInt(channel, AL_SAMPLE_OFFSET), 0);
    EXPECT_EQ(SourceInt(channel, AL_SOURCE_STATE), AL_INITIAL);
}

TEST_F(OpenAlAudioTest, AOneShotEndsByItselfAndPlaysAgain) {
    uint32_t channel = audio_.CreateChannel(Buffer(0.01));
    audio_.Play(channel, false);
    bool ended = false;
    for (int i = 0; i < 200 && !ended; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ended = !audio_.IsPlaying(channel);
    }
    ASSERT_TRUE(ended);
    audio_.Play(channel, false);
    EXPECT_TRUE(audio_.IsPlaying(channel));
}

TEST_F(OpenAlAudioTest, AttenuationBecomesGain) {
    uint32_t channel = audio_.CreateChannel(Buffer(0.1));
    EXPECT_FLOAT_EQ(Gain(channel), 1.0f);
    audio_.SetAttenuation(channel, -2000);
    EXPECT_NEAR(Gain(channel), 0.1f, 1e-6);
    audio_.SetAttenuation(channel, -1000);
    EXPECT_NEAR(Gain(channel), 0.316228f, 1e-5);
    audio_.SetAttenuation(channel, -10000);
    EXPECT_NEAR(Gain(channel), 1e-5f, 1e-9);
    audio_.SetAttenuation(channel, 500);
    EXPECT_FLOAT_EQ(Gain(channel), 1.0f);
}

TEST_F(OpenAlAudioTest, ChannelsShareSamplesThatLiveUntilTheLastChannelGoes) {
    uint32_t buffer = Buffer(0.1);
    uint32_t first = audio_.CreateChannel(buffer);
    uint32_t second = audio_.CreateChannel(buffer);
    ASSERT_NE(first, 0u);
    ASSERT_NE(second, 0u);
    EXPECT_NE(audio_.SourceOf(first), audio_.SourceOf(second));
    ALint alBuffer = SourceInt(first, AL_BUFFER);
    EXPECT_EQ(SourceInt(second, AL_BUFFER), alBuffer);

    audio_.DeleteBuffer(buffer);
    EXPECT_EQ(audio_.CreateChannel(buffer), 0u);
    EXPECT_TRUE(alIsBuffer(ALuint(alBuffer)));
    audio_.DeleteChannel(first);
    audio_.Play(second, false);
    EXPECT_TRUE(audio_.IsPlaying(second));
    audio_.DeleteChannel(second);
    EXPECT_FALSE(alIsBuffer(ALuint(alBuffer)));
}

TEST_F(OpenAlAudioTest, RefillingABufferInUseStopsAndRewindsItsChannels) {
    uint32_t buffer = Buffer(5);
    uint32_t channel = audio_.CreateChannel(buffer);
    audio_.Play(channel, true);
    std::vector<uint8_t> shorter(2000, 0);
    ASSERT_TRUE(audio_.RefillBuffer(buffer, shorter));
    EXPECT_FALSE(audio_.IsPlaying(channel));
    ALint alBuffer = SourceInt(channel, AL_BUFFER);
    ALint size = 0;
    alGetBufferi(ALuint(alBuffer), AL_SIZE, &size);
    EXPECT_EQ(size, 2000);
    audio_.Play(channel, false);
    EXPECT_TRUE(audio_.IsPlaying(channel));
    // A stray half frame is dropped rather than refused.
    std::vector<uint8_t> odd(2001, 0);
    EXPECT_TRUE(audio_.RefillBuffer(buffer, odd));
}

TEST_F(OpenAlAudioTest, RefusesFormatsAndIdsItDoesNotKnow) {
    std::vector<uint8_t> pcm(64, 0);
    EXPECT_EQ(audio_.CreateBuffer(PcmFormat{3, 22050, 16}, pcm), 0u);
    EXPECT_EQ(audio_.CreateBuffer(PcmFormat{1, 22050, 24}, pcm), 0u);
    EXPECT_EQ(audio_.CreateChannel(12345), 0u);
    EXPECT_FALSE(audio_.RefillBuffer(12345, pcm));
    audio_.Play(999, true);
    EXPECT_FALSE(audio_.IsPlaying(999));
    audio_.DeleteChannel(999);
    audio_.DeleteBuffer(999);
}

TEST_F(OpenAlAudioTest, AfterCloseEveryCallIsHarmless) {
    uint32_t channel = audio_.CreateChannel(Buffer(0.1));
    audio_.Close();
    EXPECT_FALSE(audio_.Available());
    audio_.Play(channel, true);
    EXPECT_FALSE(audio_.IsPlaying(channel));
    std::vector<uint8_t> pcm(64, 0);
    EXPECT_EQ(audio_.CreateBuffer(PcmFormat{}, pcm), 0u);
    audio_.Close();
}

TEST_F(OpenAlAudioTest, TheGameSoundsLoadPlayAndReleaseOnTheRealDevice) {
    audio_.Close();
    TempDir scratch;
    for (const char* name : {"fire.wav", "walk.wav", "reload.wav", "death.wav", "Sprint.wav",
                             "gunpickup2.wav", "flagfrag.wav"}) {
        scratch.WriteBytes(name, PcmWave(std::vector<uint8_t>(4410, 0)));
    }
    scratch.WriteBytes("flagalarm.wav", PcmWave(std::vector<uint8_t>(20000, 0)));
    Sound sound;
    ASSERT_EQ(InitSound(sound, &audio_), kSoundOk);
    LoadSounds(sound, scratch.path().string(), 50);
    ASSERT_TRUE(sound.fire2Sound.Present());
    EXPECT_NEAR(Gain(sound.flagChannel[0].channel), std::pow(10.0, -1250 / 2000.0), 1e-5);

    AddPlayerChannels(sound, 0);
    AddPlayerChannels(sound, 1);
    RestartSound(sound.playerChannels[1].fire);
    EXPECT_TRUE(IsPlaying(sound.playerChannels[1].fire));
    SwitchLoopingSounds(sound, 0, 7);
    EXPECT_TRUE(IsPlaying(sound.playerChannels[0].sprint));

    ASSERT_EQ(PlayFlagSound(sound, "flagalarm.wav", true, 1), kSoundOk);
    EXPECT_TRUE(IsPlaying(sound.flagChannel[1]));
    ALint size = 0;
    alGetBufferi(ALuint(SourceInt(sound.flagChannel[1].channel, AL_BUFFER)), AL_SIZE, &size);
    EXPECT_EQ(size, 4410);

    RemovePlayerChannels(sound, 0);
    ReleaseSounds(sound);
    EXPECT_FALSE(audio_.Available());
}
