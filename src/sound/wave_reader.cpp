#include "sound/wave_reader.h"

#include <algorithm>
#include <cstring>
#include <fstream>

namespace {

constexpr uint32_t kChunkHeaderBytes = 8;
constexpr uint32_t kPlainFormatBytes = 16;
constexpr uint32_t kFormatWithExtraSizeBytes = 18;
constexpr uint32_t kChunkFound = 1;  // the flag a descended chunk carries

uint16_t Le16(const uint8_t* p) {
    return uint16_t(p[0] | p[1] << 8);
}
uint32_t Le32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

std::string IdText(uint32_t id) {
    std::string text;
    for (int shift = 0; shift < 32; shift += 8) {
        char c = char((id >> shift) & 0xFF);
        text += (c >= 32 && c < 127) ? c : '?';
    }
    return text;
}

}  // namespace

bool CWaveSoundRead::Fail(const std::string& why) {
    Close();
    error_ = name_ + ": " + why;
    return false;
}

bool CWaveSoundRead::Open(const std::string& path) {
    Close();
    name_ = path;
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return Fail("cannot open the file");
    std::streamoff size = in.tellg();
    if (size < 0) return Fail("cannot read the file");
    if (static_cast<uint64_t>(size) > kMaxWaveFileBytes) return Fail("file is too large");
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) return Fail("cannot read the file");
    return OpenBytes(std::move(bytes), path);
}

bool CWaveSoundRead::OpenBytes(std::vector<uint8_t> bytes, std::string name) {
    Close();
    name_ = std::move(name);
    if (bytes.size() > kMaxWaveFileBytes) return Fail("file is too large");
    file = std::move(bytes);
    if (file.size() < kChunkHeaderBytes + 4) return Fail("too short for a RIFF file");

    riffChunk.id = Le32(&file[0]);
    riffChunk.size = Le32(&file[4]);
    riffChunk.formType = Le32(&file[8]);
    riffChunk.dataOffset = kChunkHeaderBytes;
    riffChunk.flags = kChunkFound;
    if (riffChunk.id != FourCc("RIFF") || riffChunk.formType != FourCc("WAVE")) {
        return Fail("not a RIFF/WAVE file");
    }
    if (riffChunk.size < 4 || riffChunk.size > file.size() - kChunkHeaderBytes) {
        return Fail("RIFF chunk size " + std::to_string(riffChunk.size) +
                    " runs past the end of the file");
    }

    position_ = riffChunk.dataOffset + 4;
    if (!ReadFormatChunk()) return false;
    return Reset();
}

bool CWaveSoundRead::DescendTo(uint32_t id) {
    const size_t riffEnd = size_t{riffChunk.dataOffset} + riffChunk.size;
    while (riffEnd - std::min(position_, riffEnd) >= kChunkHeaderBytes) {
        RiffChunk found;
        found.id = Le32(&file[position_]);
        found.size = Le32(&file[position_ + 4]);
        found.dataOffset = static_cast<uint32_t>(position_ + kChunkHeaderBytes);
        found.flags = kChunkFound;
        if (found.size > riffEnd - found.dataOffset) {
            return Fail("chunk \"" + IdText(found.id) + "\" size " + std::to_string(found.size) +
                        " runs past the end of the file");
        }
        if (found.id == id) {
            chunk = found;
            position_ = found.dataOffset;
            return true;
        }
        // Chunks are padded to an even size.
        position_ = size_t{found.dataOffset} + found.size + (found.size & 1u);
    }
    return Fail("no \"" + IdText(id) + "\" chunk");
}

bool CWaveSoundRead::ReadFormatChunk() {
    if (!DescendTo(FourCc("fmt "))) return false;
    if (chunk.size < kPlainFormatBytes) return Fail("\"fmt \" chunk is shorter than 16 bytes");
    const uint8_t* p = &file[chunk.dataOffset];
    WaveFormat read;
    read.formatTag = Le16(p);
    read.channels = Le16(p + 2);
    read.samplesPerSecond = Le32(p + 4);
    read.averageBytesPerSecond = Le32(p + 8);
    read.blockAlign = Le16(p + 12);
    read.bitsPerSample = Le16(p + 14);
    if (read.formatTag != kWaveFormatPcm) {
        if (chunk.size < kFormatWithExtraSizeBytes) {
            return Fail("\"fmt \" chunk ends before its extra-size field");
        }
        read.extraSize = Le16(p + kPlainFormatBytes);
        if (read.extraSize > chunk.size - kFormatWithExtraSizeBytes) {
            return Fail("\"fmt \" extra size " + std::to_string(read.extraSize) +
                        " runs past the end of the chunk");
        }
        read.extra.assign(p + kFormatWithExtraSizeBytes,
                          p + kFormatWithExtraSizeBytes + read.extraSize);
    }
    format = std::move(read);
    position_ = size_t{chunk.dataOffset} + chunk.size + (chunk.size & 1u);
    return true;
}

bool CWaveSoundRead::Reset() {
    if (!format) return false;
    position_ = size_t{riffChunk.dataOffset} + 4;
    if (!DescendTo(FourCc("data"))) return false;
    bytesLeft_ = chunk.size;
    return true;
}

size_t CWaveSoundRead::Read(std::span<uint8_t> out) {
    if (!format) return 0;
    size_t count = std::min<size_t>(out.size(), bytesLeft_);
    if (count > 0) std::memcpy(out.data(), &file[position_], count);
    position_ += count;
    bytesLeft_ -= static_cast<uint32_t>(count);
    return count;
}

void CWaveSoundRead::Close() {
    format.reset();
    file.clear();
    file.shrink_to_fit();
    chunk = {};
    riffChunk = {};
    position_ = 0;
    bytesLeft_ = 0;
}

std::optional<PcmFormat> PlayableFormat(const WaveFormat& format) {
    bool pcm = format.formatTag == kWaveFormatPcm;
    if (format.formatTag == kWaveFormatExtensible && format.extra.size() >= 22) {
        // The sub-format GUID starts at byte 6 of the extension; PCM's begins with 1.
        pcm = Le32(&format.extra[6]) == kWaveFormatPcm;
    }
    if (!pcm) return std::nullopt;
    if (format.channels < 1 || format.channels > 2) return std::nullopt;
    if (format.bitsPerSample != 8 && format.bitsPerSample != 16) return std::nullopt;
    if (format.samplesPerSecond < 100 || format.samplesPerSecond > 200000) return std::nullopt;
    PcmFormat playable{format.channels, format.samplesPerSecond, format.bitsPerSample};
    if (format.blockAlign != playable.BytesPerFrame()) return std::nullopt;
    return playable;
}
