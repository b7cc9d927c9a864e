// Encodes an RGB picture as a JPEG in memory.
#pragma once
#include <cstdint>
#include <vector>

std::vector<uint8_t> EncodeJpeg(const std::vector<uint8_t>& rgb, int width, int height,
                                int quality);
