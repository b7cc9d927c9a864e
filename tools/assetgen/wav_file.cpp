#include "wav_file.h"

#include <algorithm>
#include <cmath>

static void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

static void PutTag(std::vector<uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(tag[i]));
}

std::vector<uint8_t> EncodeWav(const std::vector<float>& samples) {
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    PutLe(out, 36 + dataBytes, 4);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutLe(out, 16, 4);
    PutLe(out, 1, 2);  // PCM
    PutLe(out, 1, 2);  // mono
    PutLe(out, kSampleRate, 4);
    PutLe(out, kSampleRate * 2, 4);  // bytes per second
    PutLe(out, 2, 2);                // block align
    PutLe(out, 16, 2);               // bits per sample
    PutTag(out, "data");
    PutLe(out, dataBytes, 4);
    for (float s : samples) {
        auto v = static_cast<int16_t>(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767));
        PutLe(out, static_cast<uint16_t>(v), 2);
    }
    return out;
}
