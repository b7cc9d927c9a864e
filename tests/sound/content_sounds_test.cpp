// Every sound the game loads, read from the run folder by the game's own WAV reader: plain 16-bit
// PCM that the sound buffers take as it is, and flag announcements of one size, since the flag
// channels keep the size of "flagfrag.wav" and refill that buffer with the others.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "sound/wave_reader.h"

namespace {

const char* kSounds[] = {"fire.wav",       "fire2.wav",    "walk.wav",       "Sprint.wav",
                         "reload.wav",     "death.wav",    "gunpickup2.wav", "flagfrag.wav",
                         "flagreturn.wav", "flagalarm.wav"};

std::string SoundPath(const char* name) {
    return (std::filesystem::path(ZARNOK_RUN_DIR) / "sound" / name).string();
}

TEST(ShippedSounds, AreSixteenBitPcmWithSamplesToPlay) {
    for (const char* name : kSounds) {
        CWaveSoundRead reader;
        ASSERT_TRUE(reader.Open(SoundPath(name))) << name << ": " << reader.Error();
        const WaveFormat& format = *reader.format;
        EXPECT_EQ(format.formatTag, kWaveFormatPcm) << name;
        EXPECT_EQ(format.bitsPerSample, 16) << name;
        EXPECT_EQ(format.blockAlign, format.channels * 2) << name;
        EXPECT_EQ(format.averageBytesPerSecond, format.samplesPerSecond * format.blockAlign)
            << name;
        EXPECT_GE(format.samplesPerSecond, 11025u) << name;
        // Between a tenth of a second and two seconds of sound.
        EXPECT_GT(reader.DataSize(), format.averageBytesPerSecond / 10) << name;
        EXPECT_LT(reader.DataSize(), format.averageBytesPerSecond * 2) << name;
        std::vector<uint8_t> samples(reader.DataSize());
        EXPECT_EQ(reader.Read(samples), samples.size()) << name;
    }
}

TEST(ShippedSounds, FlagAnnouncementsShareOneBufferSize) {
    std::map<std::string, uint32_t> size;
    for (const char* name : {"flagfrag.wav", "flagreturn.wav", "flagalarm.wav"}) {
        CWaveSoundRead reader;
        ASSERT_TRUE(reader.Open(SoundPath(name))) << reader.Error();
        size[name] = reader.DataSize();
    }
    EXPECT_EQ(size["flagreturn.wav"], size["flagfrag.wav"]);
    EXPECT_EQ(size["flagalarm.wav"], size["flagfrag.wav"]);
}

}  // namespace
