// CWaveSoundRead: reads one RIFF/WAVE file: finds its "fmt " and "data" chunks and hands out the
// sample bytes in pieces. The whole file is held in memory (bounded by kMaxWaveFileBytes) and every
// chunk is checked against the bytes really there, so a damaged file is refused with a message
// naming it instead of being read past its end. Used by the sound buffers (sound/sound_buffers).
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "sound/audio.h"

// Larger files are refused: the game's samples are short, and a whole file is held in memory.
inline constexpr size_t kMaxWaveFileBytes = 32u * 1024 * 1024;

inline constexpr uint16_t kWaveFormatPcm = 1;
inline constexpr uint16_t kWaveFormatExtensible = 0xFFFE;

// The wave format record: the 16 bytes every "fmt " chunk starts with, the extra-size field and
// the extra bytes that follow it (empty for plain PCM).
struct WaveFormat {
    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t samplesPerSecond = 0;
    uint32_t averageBytesPerSecond = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    uint16_t extraSize = 0;
    std::vector<uint8_t> extra;
};

// A chunk descriptor: id, size, form type (RIFF only), offset of its data, flags.
struct RiffChunk {
    uint32_t id = 0;
    uint32_t size = 0;
    uint32_t formType = 0;
    uint32_t dataOffset = 0;
    uint32_t flags = 0;
};

class CWaveSoundRead {
  public:
    // Reads `path` and finds its format and its sample data; false with Error() set on failure.
    bool Open(const std::string& path);
    // The same for bytes already in memory; `name` is used in error messages.
    bool OpenBytes(std::vector<uint8_t> bytes, std::string name);
    // Goes back to the first sample byte of the "data" chunk.
    bool Reset();
    // Copies up to out.size() of the sample bytes not read yet; returns how many were copied.
    size_t Read(std::span<uint8_t> out);
    void Close();

    bool IsOpen() const { return format.has_value(); }
    // Size in bytes of the "data" chunk (valid while open).
    uint32_t DataSize() const { return chunk.size; }
    const std::string& Error() const { return error_; }

    std::optional<WaveFormat> format;
    std::vector<uint8_t> file;
    RiffChunk chunk;
    RiffChunk riffChunk;

  private:
    bool Fail(const std::string& why);
    bool ReadFormatChunk();
    // Finds the subchunk `id` inside riffChunk starting at the read position and enters it.
    bool DescendTo(uint32_t id);

    std::string name_;
    std::string error_;
    size_t position_ = 0;
    uint32_t bytesLeft_ = 0;
};

// The format a buffer of this file's samples would have: PCM (plain or in the extensible
// wrapper), 1 or 2 channels of 8 or 16 bits at a sane rate; nothing for anything else.
std::optional<PcmFormat> PlayableFormat(const WaveFormat& format);

// The four-character code of a chunk id, as stored little-endian in the file.
constexpr uint32_t FourCc(const char (&text)[5]) {
    return uint32_t(uint8_t(text[0])) | uint32_t(uint8_t(text[1])) << 8 |
           uint32_t(uint8_t(text[2])) << 16 | uint32_t(uint8_t(text[3])) << 24;
}
