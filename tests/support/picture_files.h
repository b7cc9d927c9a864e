// Builders of small BMP and TGA files for tests: pixels are given as RGB(A) rows, top row first.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "support/le_bytes.h"

namespace picture_files {

using Rgba = std::array<uint8_t, 4>;

// An uncompressed 24- or 32-bit bitmap; `topDown` stores a negative height and rows top first.
inline std::vector<uint8_t> Bmp(int width, int height, const std::vector<Rgba>& topRowFirst,
                                int bits = 24, bool topDown = false) {
    const int bytesPerPixel = bits / 8;
    const int stride = (width * bytesPerPixel + 3) / 4 * 4;
    std::vector<uint8_t> out{'B', 'M'};
    Put32(out, static_cast<uint32_t>(54 + stride * height));
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(topDown ? -height : height));
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(bits));
    for (int i = 0; i < 6; ++i) Put32(out, 0);
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        for (int x = 0; x < width; ++x) {
            const Rgba& p = topRowFirst[static_cast<size_t>(y * width + x)];
            out.push_back(p[2]);
            out.push_back(p[1]);
            out.push_back(p[0]);
            if (bytesPerPixel == 4) out.push_back(p[3]);
        }
        for (int pad = width * bytesPerPixel; pad < stride; ++pad) out.push_back(0);
    }
    return out;
}

inline std::vector<uint8_t> TgaHeader(uint8_t type, int width, int height, int bits) {
    std::vector<uint8_t> out{0, 0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    Put16(out, static_cast<uint32_t>(width));
    Put16(out, static_cast<uint32_t>(height));
    out.push_back(static_cast<uint8_t>(bits));
    out.push_back(0);
    return out;
}

inline void PutTgaPixel(std::vector<uint8_t>& out, const Rgba& p, int bits) {
    out.push_back(p[2]);
    out.push_back(p[1]);
    out.push_back(p[0]);
    if (bits == 32) out.push_back(p[3]);
}

// An uncompressed TGA holding the pixels in the given order (file order).
inline std::vector<uint8_t> Tga(int width, int height, const std::vector<Rgba>& fileOrder,
                                int bits = 24) {
    std::vector<uint8_t> out = TgaHeader(2, width, height, bits);
    for (const Rgba& p : fileOrder) PutTgaPixel(out, p, bits);
    return out;
}

}  // namespace picture_files
