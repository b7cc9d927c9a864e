// Encodes sound samples as a RIFF/WAVE file: PCM, 16-bit, mono, 22050 samples per second, the
// format the game's WAV reader and sound buffers take as they are.
#pragma once
#include <cstdint>
#include <vector>

constexpr int kSampleRate = 22050;

// Samples in -1..1; values outside are clipped.
std::vector<uint8_t> EncodeWav(const std::vector<float>& samples);
