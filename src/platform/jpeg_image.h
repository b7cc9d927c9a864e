// DecodeJpeg: decodes a JPEG held in memory into 8-bit RGB rows (top row first) with libjpeg.
// A damaged picture yields an empty image instead of ending the process.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;  // width * height * 3 bytes
};

RgbImage DecodeJpeg(std::span<const uint8_t> jpeg);
