#include "sound/wave_reader.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"
#include "support/wav_bytes.h"

using namespace wavtest;

namespace {

std::vector<uint8_t> ReadAll(CWaveSoundRead& reader, size_t piece) {
    std::vector<uint8_t> all;
    std::vector<uint8_t> buffer(piece);
    while (size_t count = reader.Read(buffer))
        all.insert(all.end(), buffer.begin(), buffer.begin() + count);
    return all;
}

// Opens `bytes` and expects a refusal whose message names the file and contains `why`.
void ExpectRefused(const std::vector<uint8_t>& bytes, const std::string& why) {
    CWaveSoundRead reader;
    EXPECT_FALSE(reader.OpenBytes(bytes, "bad.wav"));
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_EQ(reader.Error().rfind("bad.wav: ", 0), 0u) << reader.Error();
    EXPECT_NE(reader.Error().find(why), std::string::npos) << reader.Error();
    std::vector<uint8_t> out(16);
    EXPECT_EQ(reader.Read(out), 0u);
}

}  // namespace

TEST(WaveReader, ReadsPcmFormatAndSamplesInPiecesAndAgainAfterReset) {
    std::vector<uint8_t> samples = Ramp(1001);
    CWaveSoundRead reader;
    ASSERT_TRUE(reader.OpenBytes(PcmWave(samples, 2, 44100, 16), "ok.wav")) << reader.Error();
    EXPECT_EQ(reader.format->formatTag, kWaveFormatPcm);
    EXPECT_EQ(reader.format->channels, 2);
    EXPECT_EQ(reader.format->samplesPerSecond, 44100u);
    EXPECT_EQ(reader.format->blockAlign, 4);
    EXPECT_EQ(reader.format->bitsPerSample, 16);
    EXPECT_EQ(reader.format->extraSize, 0);
    EXPECT_EQ(reader.DataSize(), 1001u);

    EXPECT_EQ(ReadAll(reader, 64), samples);
    std::vector<uint8_t> more(8);
    EXPECT_EQ(reader.Read(more), 0u);

    ASSERT_TRUE(reader.Reset());
    EXPECT_EQ(ReadAll(reader, 4096), samples);
}

TEST(WaveReader, SkipsOtherChunksIncludingOddSizedOnes) {
    std::vector<uint8_t> samples = Ramp(10, 7);
    auto bytes = Riff({Chunk("LIST", Ramp(5)), Chunk("fmt ", FormatBody(1, 1, 22050, 8)),
                       Chunk("fact", Ramp(3)), Chunk("data", samples), Chunk("junk", Ramp(2))});
    CWaveSoundRead reader;
    ASSERT_TRUE(reader.OpenBytes(bytes, "chunks.wav")) << reader.Error();
    EXPECT_EQ(reader.format->bitsPerSample, 8);
    EXPECT_EQ(ReadAll(reader, 3), samples);
}

TEST(WaveReader, PcmFormatChunkLongerThan16BytesIgnoresTheRest) {
    auto format = FormatBody(1, 1, 22050, 16);
    Put16(format, 4);  // an extra size a PCM reader must not believe
    auto bytes = Riff({Chunk("fmt ", format), Chunk("data", Ramp(4))});
    CWaveSoundRead reader;
    ASSERT_TRUE(reader.OpenBytes(bytes, "pcm18.wav")) << reader.Error();
    EXPECT_EQ(reader.format->extraSize, 0);
    EXPECT_TRUE(reader.format->extra.empty());
    EXPECT_TRUE(PlayableFormat(*reader.format).has_value());
}

TEST(WaveReader, ExtensibleFormatKeepsItsExtraBytesAndIsPlayableOnlyForPcm) {
    auto extensible = [](uint32_t subFormat) {
        auto format = FormatBody(kWaveFormatExtensible, 2, 22050, 16);
        Put16(format, 22);
        Put16(format, 16);         // valid bits
        Put32(format, 3);          // channel mask
        Put32(format, subFormat);  // first word of the sub-format GUID
        for (int i = 0; i < 12; ++i) format.push_back(uint8_t(i));
        return Riff({Chunk("fmt ", format), Chunk("data", Ramp(8))});
    };
    CWaveSoundRead reader;
    ASSERT_TRUE(reader.OpenBytes(extensible(1), "ext.wav")) << reader.Error();
    EXPECT_EQ(reader.format->extraSize, 22);
    ASSERT_EQ(reader.format->extra.size(), 22u);
    EXPECT_EQ(reader.format->extra[0], 16);
    std::optional<PcmFormat> playable = PlayableFormat(*reader.format);
    ASSERT_TRUE(playable.has_value());
    EXPECT_EQ(playable->channels, 2);

    ASSERT_TRUE(reader.OpenBytes(extensible(3), "float.wav")) << reader.Error();
    EXPECT_FALSE(PlayableFormat(*reader.format).has_value());
}

TEST(WaveReader, PlayableFormatRefusesWhatNoBufferCanHold) {
    WaveFormat good{1, 1, 22050, 44100, 2, 16, 0, {}};
    EXPECT_TRUE(PlayableFormat(good).has_value());
    auto with = [&](auto change) {
        WaveFormat format = good;
        change(format);
        return PlayableFormat(format).has_value();
    };
    EXPECT_FALSE(with([](WaveFormat& f) { f.formatTag = 2; }));  // ADPCM
    EXPECT_FALSE(with([](WaveFormat& f) { f.channels = 0; }));
    EXPECT_FALSE(with([](WaveFormat& f) { f.channels = 6, f.blockAlign = 12; }));
    EXPECT_FALSE(with([](WaveFormat& f) { f.bitsPerSample = 24, f.blockAlign = 3; }));
    EXPECT_FALSE(with([](WaveFormat& f) { f.samplesPerSecond = 0; }));
    EXPECT_FALSE(with([](WaveFormat& f) { f.blockAlign = 7; }));
}

TEST(WaveReader, RefusesDamagedFilesWithoutReadingPastThem) {
    auto good = PcmWave(Ramp(100));
    ExpectRefused({}, "too short");
    ExpectRefused(std::vector<uint8_t>(good.begin(), good.begin() + 30), "past the end");
    ExpectRefused(std::vector<uint8_t>(good.begin(), good.end() - 1), "past the end");

    auto notWave = good;
    notWave[8] = 'A';
    ExpectRefused(notWave, "not a RIFF/WAVE");

    auto dataTooLong =
        Riff({Chunk("fmt ", FormatBody(1, 1, 22050, 16)), Chunk("data", Ramp(100), 0xFFFFFFF0u)});
    ExpectRefused(dataTooLong, "\"data\" size 4294967280 runs past the end");

    auto skippedTooLong =
        Riff({Chunk("LIST", Ramp(4), 5000), Chunk("fmt ", FormatBody(1, 1, 22050, 16))});
    ExpectRefused(skippedTooLong, "\"LIST\" size 5000");

    auto shortFormat = FormatBody(1, 1, 22050, 16);
    shortFormat.resize(14);
    ExpectRefused(Riff({Chunk("fmt ", shortFormat), Chunk("data", Ramp(4))}), "shorter than 16");

    ExpectRefused(Riff({Chunk("fmt ", FormatBody(2, 1, 22050, 16)), Chunk("data", Ramp(4))}),
                  "before its extra-size field");

    auto extraTooLong = FormatBody(2, 1, 22050, 16);
    Put16(extraTooLong, 40);
    extraTooLong.resize(extraTooLong.size() + 4);
    ExpectRefused(Riff({Chunk("fmt ", extraTooLong), Chunk("data", Ramp(4))}),
                  "extra size 40 runs past the end of the chunk");

    ExpectRefused(Riff({Chunk("fmt ", FormatBody(1, 1, 22050, 16))}), "no \"data\" chunk");
    ExpectRefused(Riff({Chunk("data", Ramp(4))}), "no \"fmt \" chunk");
}

TEST(WaveReader, OpensFilesFromDiskAndNamesAMissingOne) {
    TempDir scratch;
    std::string path = scratch.WriteBytes("disk.wav", PcmWave(Ramp(6))).string();
    CWaveSoundRead reader;
    ASSERT_TRUE(reader.Open(path)) << reader.Error();
    EXPECT_EQ(ReadAll(reader, 100), Ramp(6));
    std::filesystem::remove(path);

    EXPECT_FALSE(reader.Open(path));
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_EQ(reader.Error(), path + ": cannot open the file");
}
