#include "picture_files.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

uint8_t ToByte(float v) {
    return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255));
}

bool IsKeyColor(Rgb8 c) {
    return (c.r & c.g & c.b) == c.b;
}

Rgb8 OpaqueColor(Rgb8 c) {
    if (!IsKeyColor(c)) return c;
    // Clear bit 0 of red AND green, then give blue that bit: blue is no longer a subset of them.
    if (c.r & c.g & 1) c.r ^= 1;
    c.b |= 1;
    return c;
}

static void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

static void PutBe32(std::vector<uint8_t>& out, uint32_t value) {
    for (int i = 3; i >= 0; --i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

std::vector<uint8_t> EncodeBmp(const Image& image) {
    const uint32_t w = image.width(), h = image.height();
    const uint32_t stride = (w * 3 + 3) & ~3u;
    const uint32_t dataSize = stride * h, offset = 14 + 40;
    std::vector<uint8_t> out;
    out.reserve(offset + dataSize);
    out.push_back('B'), out.push_back('M');
    PutLe(out, offset + dataSize, 4);
    PutLe(out, 0, 4);
    PutLe(out, offset, 4);
    PutLe(out, 40, 4);  // BITMAPINFOHEADER
    PutLe(out, w, 4);
    PutLe(out, h, 4);
    PutLe(out, 1, 2);   // planes
    PutLe(out, 24, 2);  // bits per pixel
    PutLe(out, 0, 4);   // no compression
    PutLe(out, dataSize, 4);
    PutLe(out, 2835, 4), PutLe(out, 2835, 4);  // 72 dpi
    PutLe(out, 0, 4), PutLe(out, 0, 4);
    for (uint32_t row = 0; row < h; ++row) {
        int y = static_cast<int>(h - 1 - row);
        for (uint32_t x = 0; x < w; ++x) {
            const Color& c = image.at(static_cast<int>(x), y);
            Rgb8 p = OpaqueColor({ToByte(c.r), ToByte(c.g), ToByte(c.b)});
            out.push_back(p.b), out.push_back(p.g), out.push_back(p.r);
        }
        for (uint32_t pad = w * 3; pad < stride; ++pad) out.push_back(0);
    }
    return out;
}

std::vector<uint8_t> EncodeTga(const Image& image) {
    std::vector<uint8_t> out = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    PutLe(out, static_cast<uint32_t>(image.width()), 2);
    PutLe(out, static_cast<uint32_t>(image.height()), 2);
    out.push_back(32);
    out.push_back(0x28);  // top-left origin, 8 alpha bits
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Color& c = image.at(x, y);
            out.push_back(ToByte(c.b)), out.push_back(ToByte(c.g)), out.push_back(ToByte(c.r));
            out.push_back(ToByte(c.a));
        }
    }
    return out;
}

static uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

static void PutChunk(std::vector<uint8_t>& out, const char* type,
                     const std::vector<uint8_t>& body) {
    PutBe32(out, static_cast<uint32_t>(body.size()));
    size_t start = out.size();
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(type[i]));
    out.insert(out.end(), body.begin(), body.end());
    PutBe32(out, Crc32(&out[start], out.size() - start));
}

std::vector<uint8_t> EncodePng(const Image& image) {
    std::vector<uint8_t> raw;  // filter byte 0 before every row
    for (int y = 0; y < image.height(); ++y) {
        raw.push_back(0);
        for (int x = 0; x < image.width(); ++x) {
            const Color& c = image.at(x, y);
            raw.push_back(ToByte(c.r)), raw.push_back(ToByte(c.g)), raw.push_back(ToByte(c.b));
            raw.push_back(ToByte(c.a));
        }
    }
    std::vector<uint8_t> z = {0x78, 0x01};
    const size_t block = 65535;
    for (size_t pos = 0; pos < raw.size() || pos == 0; pos += block) {
        size_t n = std::min(block, raw.size() - pos);
        bool last = pos + n >= raw.size();
        z.push_back(last ? 1 : 0);
        PutLe(z, static_cast<uint32_t>(n), 2);
        PutLe(z, static_cast<uint32_t>(~n & 0xFFFF), 2);
        z.insert(z.end(), raw.begin() + pos, raw.begin() + pos + n);
        if (last) break;
    }
    uint32_t a = 1, b = 0;
    for (uint8_t v : raw) a = (a + v) % 65521, b = (b + a) % 65521;
    PutBe32(z, (b << 16) | a);

    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    PutBe32(header, static_cast<uint32_t>(image.width()));
    PutBe32(header, static_cast<uint32_t>(image.height()));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter, no interlace
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", z);
    PutChunk(out, "IEND", {});
    return out;
}
