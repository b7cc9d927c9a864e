// The WAV encoder: a RIFF/WAVE file with a plain 16-byte PCM format, as the game's reader takes it.
#include "wav_file.h"

#include <gtest/gtest.h>

#include <string>

#include "support/le_bytes.h"

namespace {

std::string Tag(const std::vector<uint8_t>& b, size_t at) {
    return std::string(b.begin() + at, b.begin() + at + 4);
}

TEST(EncodeWav, WritesRiffWaveWithSixteenBitMonoPcm) {
    std::vector<uint8_t> wav = EncodeWav({0.0f, 0.5f, -0.5f});
    ASSERT_EQ(wav.size(), 44u + 6);
    EXPECT_EQ(Tag(wav, 0), "RIFF");
    EXPECT_EQ(Le(wav, 4, 4), wav.size() - 8);
    EXPECT_EQ(Tag(wav, 8), "WAVE");
    EXPECT_EQ(Tag(wav, 12), "fmt ");
    EXPECT_EQ(Le(wav, 16, 4), 16u);
    EXPECT_EQ(Le(wav, 20, 2), 1u);  // PCM
    EXPECT_EQ(Le(wav, 22, 2), 1u);  // mono
    EXPECT_EQ(Le(wav, 24, 4), 22050u);
    EXPECT_EQ(Le(wav, 28, 4), 44100u);
    EXPECT_EQ(Le(wav, 32, 2), 2u);
    EXPECT_EQ(Le(wav, 34, 2), 16u);
    EXPECT_EQ(Tag(wav, 36), "data");
    EXPECT_EQ(Le(wav, 40, 4), 6u);
    EXPECT_EQ(static_cast<int16_t>(Le(wav, 46, 2)), 16384);
    EXPECT_EQ(static_cast<int16_t>(Le(wav, 48, 2)), -16384);
}

TEST(EncodeWav, ClipsSamplesOutsideTheRange) {
    std::vector<uint8_t> wav = EncodeWav({3.0f, -3.0f});
    EXPECT_EQ(static_cast<int16_t>(Le(wav, 44, 2)), 32767);
    EXPECT_EQ(static_cast<int16_t>(Le(wav, 46, 2)), -32767);
}

}  // namespace
