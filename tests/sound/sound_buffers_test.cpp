#include "sound/sound_buffers.h"

#include <gtest/gtest.h>

#include "support/fake_audio.h"
#include "support/temp_dir.h"
#include "support/wav_bytes.h"

using namespace wavtest;

namespace {

class SoundBuffers : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(InitSound(sound_, &audio_), kSoundOk); }

    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
        return scratch_.WriteBytes(name, bytes).string();
    }
    // A base buffer made and filled from `samples` (16-bit mono).
    SoundBuffer Loaded(const std::vector<uint8_t>& samples) {
        SoundBuffer buffer;
        std::string path = Write("base.wav", PcmWave(samples));
        EXPECT_EQ(CreateSoundBuffer(sound_, path, buffer), kSoundOk);
        EXPECT_EQ(FillBuffer(sound_, buffer), kSoundOk);
        return buffer;
    }
    const std::vector<uint8_t>& PcmOf(const SoundBuffer& buffer) {
        return audio_.SamplesOf(buffer.channel)->pcm;
    }

    TempDir scratch_;
    FakeAudio audio_;
    Sound sound_;
};

}  // namespace

TEST_F(SoundBuffers, CreateMakesASilentBufferOfTheDataSizeAndFillCopiesTheSamples) {
    SoundBuffer buffer;
    ASSERT_EQ(CreateSoundBuffer(sound_, Write("a.wav", PcmWave(Ramp(40, 1))), buffer), kSoundOk);
    ASSERT_TRUE(buffer.Present());
    EXPECT_EQ(buffer.size, 40u);
    EXPECT_EQ(sound_.lastBufferSize, 40u);
    EXPECT_EQ(PcmOf(buffer), std::vector<uint8_t>(40, 0));

    ASSERT_EQ(FillBuffer(sound_, buffer), kSoundOk);
    EXPECT_EQ(PcmOf(buffer), Ramp(40, 1));
    // The reader was rewound: filling again gives the same samples.
    ASSERT_EQ(FillBuffer(sound_, buffer), kSoundOk);
    EXPECT_EQ(PcmOf(buffer), Ramp(40, 1));
}

TEST_F(SoundBuffers, BufferHoldsWholeFramesAndEightBitSilenceIsTheMiddleValue) {
    SoundBuffer buffer;
    std::string path = Write("odd.wav", PcmWave(Ramp(7), 2, 11025, 8));
    ASSERT_EQ(CreateSoundBuffer(sound_, path, buffer), kSoundOk);
    EXPECT_EQ(buffer.size, 6u);
    EXPECT_EQ(PcmOf(buffer), std::vector<uint8_t>(6, 0x80));
    EXPECT_EQ(buffer.format.channels, 2);
    EXPECT_EQ(buffer.format.samplesPerSecond, 11025u);
}

TEST_F(SoundBuffers, BadOrMissingFilesLeaveTheBufferAbsentAndEveryCallHarmless) {
    auto noData = Riff({Chunk("fmt ", FormatBody(1, 1, 22050, 16))});
    auto adpcm = Riff({Chunk("fmt ",
                             [] {
                                 auto f = FormatBody(2, 1, 22050, 4);
                                 Put16(f, 0);
                                 return f;
                             }()),
                       Chunk("data", Ramp(8))});
    for (const std::string& path :
         {Write("nodata.wav", noData), Write("adpcm.wav", adpcm), Write("empty.wav", PcmWave({})),
          (scratch_.path() / "missing.wav").string()}) {
        SoundBuffer buffer;
        EXPECT_LT(CreateSoundBuffer(sound_, path, buffer), 0) << path;
        EXPECT_FALSE(buffer.Present());
        EXPECT_NE(sound_.lastError.find(path), std::string::npos) << sound_.lastError;
        EXPECT_EQ(FillBuffer(sound_, buffer), kSoundNoBuffer);
        EXPECT_EQ(PlaySound(false, buffer), kSoundNoBuffer);
        EXPECT_FALSE(IsPlaying(buffer));
        StopSound(true, buffer);
        SetVolume(buffer, -100);
        RestartSound(buffer);
        SoundBuffer copy;
        EXPECT_EQ(DuplicateChannel(buffer, copy), kSoundNoBuffer);
        EXPECT_FALSE(copy.Present());
    }
    EXPECT_EQ(audio_.LiveBuffers(), 0u);
    EXPECT_EQ(audio_.LiveChannels(), 0u);
}

TEST_F(SoundBuffers, WithoutADeviceNothingIsCreated) {
    FakeAudio silent;
    silent.deviceAvailable = false;
    Sound sound;
    EXPECT_EQ(InitSound(sound, &silent), kSoundNoDevice);
    EXPECT_EQ(InitSound(sound, nullptr), kSoundNoDevice);
    SoundBuffer buffer;
    EXPECT_EQ(CreateSoundBuffer(sound, Write("a.wav", PcmWave(Ramp(4))), buffer), kSoundNoDevice);
    EXPECT_FALSE(buffer.Present());
    EXPECT_EQ(PlaySound(true, buffer), kSoundNoBuffer);
    EXPECT_EQ(silent.LiveBuffers(), 0u);
}

TEST_F(SoundBuffers, LoadIntoBufferKeepsTheSizeCuttingLongerAndSilencingShorterFiles) {
    SoundBuffer buffer = Loaded(Ramp(20));
    ASSERT_EQ(LoadIntoBuffer(sound_, buffer, Write("long.wav", PcmWave(Ramp(50, 100)))), kSoundOk);
    EXPECT_EQ(PcmOf(buffer), Ramp(20, 100));
    EXPECT_EQ(sound_.lastBufferSize, 20u);

    ASSERT_EQ(LoadIntoBuffer(sound_, buffer, Write("short.wav", PcmWave(Ramp(6, 200)))), kSoundOk);
    std::vector<uint8_t> expected = Ramp(6, 200);
    expected.resize(20, 0);
    EXPECT_EQ(PcmOf(buffer), expected);

    EXPECT_EQ(LoadIntoBuffer(sound_, buffer, Write("bad.wav", {1, 2, 3})), kSoundBadFile);
    EXPECT_EQ(PcmOf(buffer), expected);
}

TEST_F(SoundBuffers, RestartingAPlayingOneShotStartsItFromTheBeginning) {
    SoundBuffer shot = Loaded(Ramp(100));
    RestartSound(shot);
    audio_.Advance(shot.channel, 60);
    ASSERT_TRUE(IsPlaying(shot));
    RestartSound(shot);
    const FakeAudio::Channel& channel = *audio_.Find(shot.channel);
    EXPECT_TRUE(channel.playing);
    EXPECT_FALSE(channel.looping);
    EXPECT_EQ(channel.position, 0u);
    EXPECT_EQ(channel.playCount, 2);

    // Stopped half-way without a rewind, it still restarts from the beginning.
    audio_.Advance(shot.channel, 30);
    StopSound(false, shot);
    RestartSound(shot);
    EXPECT_EQ(audio_.Find(shot.channel)->position, 0u);
    EXPECT_TRUE(IsPlaying(shot));
}

TEST_F(SoundBuffers, PlayingALoopAgainGoesOnAndStopRewindsOnlyWhenAsked) {
    SoundBuffer walk = Loaded(Ramp(100));
    PlaySound(true, walk);
    audio_.Advance(walk.channel, 150);
    EXPECT_EQ(audio_.Find(walk.channel)->position, 50u);
    PlaySound(true, walk);  // called every frame while walking
    EXPECT_EQ(audio_.Find(walk.channel)->position, 50u);
    EXPECT_EQ(audio_.Find(walk.channel)->playCount, 1);

    StopSound(false, walk);
    EXPECT_FALSE(IsPlaying(walk));
    EXPECT_EQ(audio_.Find(walk.channel)->position, 50u);
    StopSound(true, walk);
    EXPECT_EQ(audio_.Find(walk.channel)->position, 0u);

    // A one-shot that ended plays again from its beginning.
    PlaySound(false, walk);
    audio_.Advance(walk.channel, 100);
    EXPECT_FALSE(IsPlaying(walk));
    EXPECT_EQ(PlaySound(false, walk), kSoundOk);
    EXPECT_TRUE(IsPlaying(walk));
    EXPECT_EQ(audio_.Find(walk.channel)->position, 0u);
}

TEST_F(SoundBuffers, DuplicatesShareSamplesStartAtTheBaseVolumeAndOutliveTheBase) {
    SoundBuffer base = Loaded(Ramp(10));
    SetVolume(base, -700);
    SoundBuffer copy;
    ASSERT_EQ(DuplicateChannel(base, copy), kSoundOk);
    EXPECT_NE(copy.channel, base.channel);
    EXPECT_EQ(audio_.Find(copy.channel)->buffer, audio_.Find(base.channel)->buffer);
    EXPECT_EQ(audio_.Find(copy.channel)->attenuation, -700);
    EXPECT_EQ(audio_.LiveBuffers(), 1u);

    ReleaseSound(base);
    EXPECT_FALSE(base.Present());
    EXPECT_EQ(PcmOf(copy), Ramp(10));
    RestartSound(copy);
    EXPECT_TRUE(IsPlaying(copy));
    ReleaseSound(copy);
    EXPECT_EQ(audio_.LiveBuffers(), 0u);
    EXPECT_EQ(audio_.LiveChannels(), 0u);
}

TEST_F(SoundBuffers, VolumeStaysWithinSilenceAndFullVolume) {
    SoundBuffer buffer = Loaded(Ramp(4));
    SetVolume(buffer, -20000);
    EXPECT_EQ(audio_.Find(buffer.channel)->attenuation, kSilentAttenuation);
    SetVolume(buffer, 300);
    EXPECT_EQ(audio_.Find(buffer.channel)->attenuation, 0);
    EXPECT_EQ(buffer.attenuation, 0);
}

TEST_F(SoundBuffers, CreatingOverAnExistingBufferReleasesTheOldOne) {
    SoundBuffer buffer = Loaded(Ramp(4));
    ASSERT_EQ(CreateSoundBuffer(sound_, Write("c.wav", PcmWave(Ramp(12))), buffer), kSoundOk);
    EXPECT_EQ(buffer.size, 12u);
    EXPECT_EQ(audio_.LiveChannels(), 1u);
    EXPECT_EQ(audio_.LiveBuffers(), 1u);
}
