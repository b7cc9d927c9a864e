// WAV files made in memory for tests: a well-formed PCM file, chunk by chunk for damaged ones.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "support/le_bytes.h"

namespace wavtest {

// Byte by byte: gcc 12 mistakes a range insert into a fresh vector for an overflow.
inline void Append(std::vector<uint8_t>& out, const std::vector<uint8_t>& bytes) {
    out.reserve(out.size() + bytes.size());
    for (uint8_t byte : bytes) out.push_back(byte);
}
inline void PutId(std::vector<uint8_t>& out, const char* id) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(id[i]));
}

// A chunk with its header; `declaredSize` overrides the size field when not ~0.
inline std::vector<uint8_t> Chunk(const char* id, const std::vector<uint8_t>& body,
                                  uint32_t declaredSize = ~0u) {
    std::vector<uint8_t> out;
    PutId(out, id);
    Put32(out, declaredSize == ~0u ? uint32_t(body.size()) : declaredSize);
    Append(out, body);
    if (body.size() % 2 == 1) out.push_back(0);
    return out;
}

// The 16 bytes every format chunk starts with.
inline std::vector<uint8_t> FormatBody(uint16_t tag, uint16_t channels, uint32_t rate,
                                       uint16_t bits) {
    std::vector<uint8_t> out;
    uint16_t blockAlign = uint16_t(channels * bits / 8);
    Put16(out, tag);
    Put16(out, channels);
    Put32(out, rate);
    Put32(out, rate * blockAlign);
    Put16(out, blockAlign);
    Put16(out, bits);
    return out;
}

// "RIFF" size "WAVE" around the given chunks; `declaredSize` overrides the RIFF size.
inline std::vector<uint8_t> Riff(const std::vector<std::vector<uint8_t>>& chunks,
                                 uint32_t declaredSize = ~0u) {
    std::vector<uint8_t> body;
    PutId(body, "WAVE");
    for (const auto& chunk : chunks) Append(body, chunk);
    std::vector<uint8_t> out;
    PutId(out, "RIFF");
    Put32(out, declaredSize == ~0u ? uint32_t(body.size()) : declaredSize);
    Append(out, body);
    return out;
}

// Sample bytes 0, 1, 2, ... so that any byte shows where it came from.
inline std::vector<uint8_t> Ramp(size_t count, uint8_t start = 0) {
    std::vector<uint8_t> out(count);
    for (size_t i = 0; i < count; ++i) out[i] = uint8_t(start + i);
    return out;
}

// A plain PCM file holding `samples`.
inline std::vector<uint8_t> PcmWave(const std::vector<uint8_t>& samples, uint16_t channels = 1,
                                    uint32_t rate = 22050, uint16_t bits = 16) {
    return Riff({Chunk("fmt ", FormatBody(1, channels, rate, bits)), Chunk("data", samples)});
}

}  // namespace wavtest
