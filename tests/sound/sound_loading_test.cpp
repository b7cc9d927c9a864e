#include "sound/sound_loading.h"

#include <gtest/gtest.h>

#include "sound/player_channels.h"
#include "sound/sound_buffers.h"
#include "support/fake_audio.h"
#include "support/temp_dir.h"
#include "support/wav_bytes.h"

using namespace wavtest;

namespace {

// Every file of the sound folder, each with samples of its own (first byte tells them apart).
const std::vector<std::pair<std::string, uint8_t>> kAllFiles = {
    {"fire.wav", 10},  {"fire2.wav", 20},  {"walk.wav", 30},       {"reload.wav", 40},
    {"death.wav", 50}, {"Sprint.wav", 60}, {"gunpickup2.wav", 70}, {"flagfrag.wav", 80}};

class SoundLoading : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(InitSound(sound_, &audio_), kSoundOk); }

    void WriteAllExcept(const std::vector<std::string>& skipped) {
        for (const auto& [name, first] : kAllFiles) {
            if (std::find(skipped.begin(), skipped.end(), name) == skipped.end()) {
                scratch_.WriteBytes(name, PcmWave(Ramp(32, first)));
            }
        }
    }
    uint8_t FirstSampleOf(const SoundBuffer& buffer) {
        return audio_.SamplesOf(buffer.channel)->pcm.at(0);
    }

    TempDir scratch_;
    FakeAudio audio_;
    Sound sound_;
};

}  // namespace

TEST_F(SoundLoading, LoadsEverySampleFromItsOwnFileAndSetsTheFlagVolume) {
    WriteAllExcept({});
    LoadSounds(sound_, scratch_.path().string(), 50);
    EXPECT_EQ(sound_.soundDir.back(), '/');
    EXPECT_EQ(FirstSampleOf(sound_.fireSound), 10);
    EXPECT_EQ(FirstSampleOf(sound_.fire2Sound), 20);
    EXPECT_EQ(FirstSampleOf(sound_.walkSound), 30);
    EXPECT_EQ(FirstSampleOf(sound_.reloadSound), 40);
    EXPECT_EQ(FirstSampleOf(sound_.deathSound), 50);
    EXPECT_EQ(FirstSampleOf(sound_.sprintSound), 60);
    EXPECT_EQ(FirstSampleOf(sound_.pickupSound), 70);
    for (const SoundBuffer& flag : sound_.flagChannel) {
        EXPECT_EQ(FirstSampleOf(flag), 80);
        EXPECT_EQ(audio_.Find(flag.channel)->attenuation, -1250);
    }
    EXPECT_EQ(audio_.Find(sound_.pickupSound.channel)->attenuation, -1250);
    EXPECT_EQ(audio_.Find(sound_.fireSound.channel)->attenuation, 0);
    EXPECT_EQ(audio_.LiveBuffers(), 9u);
}

TEST_F(SoundLoading, MissingFire2FallsBackToFireAndOtherMissingFilesStayAbsent) {
    WriteAllExcept({"fire2.wav", "walk.wav", "Sprint.wav", "flagfrag.wav"});
    LoadSounds(sound_, scratch_.path().string(), 100);
    EXPECT_EQ(FirstSampleOf(sound_.fire2Sound), 10);
    EXPECT_NE(sound_.fire2Sound.samples, sound_.fireSound.samples);
    EXPECT_FALSE(sound_.walkSound.Present());
    EXPECT_FALSE(sound_.sprintSound.Present());
    EXPECT_FALSE(sound_.flagChannel[0].Present());
    EXPECT_TRUE(sound_.reloadSound.Present());
    EXPECT_EQ(PlayFlagSound(sound_, "flagfrag.wav", false, 0), kSoundNoBuffer);
}

TEST_F(SoundLoading, BrokenFire2FallsBackToo) {
    WriteAllExcept({});
    scratch_.WriteBytes("fire2.wav", std::vector<uint8_t>{'R', 'I', 'F', 'F'});
    LoadSounds(sound_, scratch_.path().string(), 100);
    EXPECT_EQ(FirstSampleOf(sound_.fire2Sound), 10);
}

TEST_F(SoundLoading, FileNamesDifferingOnlyInLetterCaseAreFound) {
    WriteAllExcept({"fire.wav", "Sprint.wav", "flagfrag.wav"});
    scratch_.WriteBytes("FIRE.WAV", PcmWave(Ramp(32, 11)));
    scratch_.WriteBytes("sprint.wav", PcmWave(Ramp(32, 61)));
    scratch_.WriteBytes("FlagFrag.wav", PcmWave(Ramp(32, 81)));
    LoadSounds(sound_, scratch_.path().string(), 100);
    EXPECT_EQ(FirstSampleOf(sound_.fireSound), 11);
    EXPECT_EQ(FirstSampleOf(sound_.sprintSound), 61);
    EXPECT_EQ(FirstSampleOf(sound_.flagChannel[0]), 81);
    EXPECT_EQ(PlayFlagSound(sound_, "flagfrag.wav", false, 1), kSoundOk);
    EXPECT_EQ(SoundFilePath(sound_.soundDir, "nothing.wav"), sound_.soundDir + "nothing.wav");
}

TEST_F(SoundLoading, AnEmptyFolderOrNoDeviceLeavesEverythingSilent) {
    LoadSounds(sound_, scratch_.path().string(), 100);
    EXPECT_FALSE(sound_.fireSound.Present());
    EXPECT_FALSE(sound_.fire2Sound.Present());
    EXPECT_EQ(audio_.LiveBuffers(), 0u);

    WriteAllExcept({});
    FakeAudio silent;
    silent.deviceAvailable = false;
    Sound sound;
    InitSound(sound, &silent);
    LoadSounds(sound, scratch_.path().string(), 100);
    EXPECT_FALSE(sound.fireSound.Present());
    AddPlayerChannels(sound, 0);
    EXPECT_FALSE(sound.playerChannels[0].fire.Present());
    EXPECT_EQ(PlayFlagSound(sound, "flagfrag.wav", true, 1), kSoundNoBuffer);
    ReleaseSounds(sound);
}

TEST_F(SoundLoading, FlagChannelKeepsItsFirstBufferSizeAndStopsWhatItPlayed) {
    WriteAllExcept({});
    scratch_.WriteBytes("flagalarm.wav", PcmWave(Ramp(100, 150)));
    LoadSounds(sound_, scratch_.path().string(), 100);
    SoundBuffer& red = sound_.flagChannel[1];

    ASSERT_EQ(PlayFlagSound(sound_, "flagalarm.wav", true, 1), kSoundOk);
    EXPECT_EQ(audio_.SamplesOf(red.channel)->pcm, Ramp(32, 150));
    EXPECT_TRUE(audio_.Find(red.channel)->looping);
    audio_.Advance(red.channel, 20);

    ASSERT_EQ(PlayFlagSound(sound_, "flagfrag.wav", false, 1), kSoundOk);
    EXPECT_EQ(audio_.SamplesOf(red.channel)->pcm, Ramp(32, 80));
    EXPECT_FALSE(audio_.Find(red.channel)->looping);
    EXPECT_EQ(audio_.Find(red.channel)->position, 0u);
    EXPECT_EQ(audio_.Find(red.channel)->attenuation, 0);
    // The blue channel has its own samples and was not touched.
    EXPECT_FALSE(IsPlaying(sound_.flagChannel[0]));
    EXPECT_NE(sound_.flagChannel[0].samples, red.samples);
}

TEST_F(SoundLoading, AFlagSoundThatCannotBeLoadedLeavesTheChannelSilent) {
    WriteAllExcept({});
    LoadSounds(sound_, scratch_.path().string(), 100);
    ASSERT_EQ(PlayFlagSound(sound_, "flagfrag.wav", true, 0), kSoundOk);
    EXPECT_EQ(PlayFlagSound(sound_, "flagreturn.wav", false, 0), kSoundBadFile);
    EXPECT_FALSE(IsPlaying(sound_.flagChannel[0]));
    EXPECT_EQ(PlayFlagSound(sound_, "flagfrag.wav", false, 2), kSoundNoBuffer);
    EXPECT_EQ(PlayFlagSound(sound_, "flagfrag.wav", false, -1), kSoundNoBuffer);
}

TEST_F(SoundLoading, ReleaseFreesEveryBufferChannelAndTheDevice) {
    WriteAllExcept({});
    LoadSounds(sound_, scratch_.path().string(), 100);
    AddPlayerChannels(sound_, 0);
    AddPlayerChannels(sound_, 1);
    RestartSound(sound_.playerChannels[1].fire);
    ReleaseSounds(sound_);
    EXPECT_EQ(audio_.channelsLeftAtClose, 0u);
    EXPECT_EQ(audio_.buffersLeftAtClose, 0u);
    EXPECT_EQ(audio_.closeCount, 1);
    EXPECT_FALSE(audio_.Available());
    EXPECT_TRUE(sound_.playerChannels.empty());
    EXPECT_FALSE(sound_.reader.has_value());
    EXPECT_FALSE(sound_.fireSound.Present());
    // Safe to call again, and playing afterwards does nothing.
    ReleaseSounds(sound_);
    EXPECT_EQ(PlaySound(false, sound_.fireSound), kSoundNoBuffer);
}
