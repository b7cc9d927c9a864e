// The texture and contact-sheet encoders: headers, row order, and the colour rule that keeps
// opaque BMP pictures fully opaque in the game.
#include "picture_files.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "support/le_bytes.h"

namespace {

uint32_t Be32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b[at]) << 24 | uint32_t(b[at + 1]) << 16 | uint32_t(b[at + 2]) << 8 | b[at + 3];
}

Image Sample() {
    // 3 x 2: a grey, pure red, pure blue on top; white, black, a half-transparent green below.
    Image image(3, 2);
    image.at(0, 0) = Rgb(128, 128, 128);
    image.at(1, 0) = Rgb(255, 0, 0);
    image.at(2, 0) = Rgb(0, 0, 255);
    image.at(0, 1) = Rgb(255, 255, 255);
    image.at(1, 1) = Rgb(0, 0, 0);
    image.at(2, 1) = Rgb(0, 200, 0, 0.5f);
    return image;
}

TEST(OpaqueColor, NoColourStaysAKeyColourAndNoneMovesMoreThanOneStep) {
    for (int r = 0; r < 256; r += 3) {
        for (int g = 0; g < 256; g += 5) {
            for (int b = 0; b < 256; ++b) {
                Rgb8 in{uint8_t(r), uint8_t(g), uint8_t(b)};
                Rgb8 out = OpaqueColor(in);
                ASSERT_FALSE(IsKeyColor(out)) << r << ' ' << g << ' ' << b;
                ASSERT_LE(std::abs(out.r - in.r), 1);
                ASSERT_EQ(out.g, in.g);
                ASSERT_LE(std::abs(out.b - in.b), 1);
            }
        }
    }
}

TEST(OpaqueColor, KeepsColoursTheGameAlreadyDrawsOpaque) {
    Rgb8 blue{0, 0, 255};
    EXPECT_FALSE(IsKeyColor(blue));
    Rgb8 out = OpaqueColor(blue);
    EXPECT_EQ(out.r, 0);
    EXPECT_EQ(out.b, 255);
    EXPECT_TRUE(IsKeyColor({128, 128, 128}));
    EXPECT_TRUE(IsKeyColor({255, 0, 0}));
}

TEST(EncodeBmp, WritesABottomUpTwentyFourBitPictureWithPaddedRows) {
    std::vector<uint8_t> bmp = EncodeBmp(Sample());
    const uint32_t stride = 12;  // 3 pixels x 3 bytes, padded to 4
    ASSERT_EQ(bmp.size(), 54 + stride * 2);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(Le(bmp, 2, 4), bmp.size());
    EXPECT_EQ(Le(bmp, 10, 4), 54u);
    EXPECT_EQ(Le(bmp, 14, 4), 40u);
    EXPECT_EQ(Le(bmp, 18, 4), 3u);
    EXPECT_EQ(Le(bmp, 22, 4), 2u);
    EXPECT_EQ(Le(bmp, 28, 2), 24u);
    EXPECT_EQ(Le(bmp, 30, 4), 0u);
    // The first stored row is the bottom one: white first (blue, green, red order).
    EXPECT_GE(bmp[54 + 2], 254);
    // The top row comes second; its grey is nudged to stay opaque but stays grey to the eye.
    size_t top = 54 + stride;
    Rgb8 grey{bmp[top + 2], bmp[top + 1], bmp[top]};
    EXPECT_FALSE(IsKeyColor(grey));
    EXPECT_NEAR(grey.r, 128, 1);
    EXPECT_NEAR(grey.b, 128, 1);
    for (size_t row = 0; row < 2; ++row) {
        for (size_t x = 0; x < 3; ++x) {
            size_t at = 54 + row * stride + x * 3;
            EXPECT_FALSE(IsKeyColor({bmp[at + 2], bmp[at + 1], bmp[at]})) << row << ',' << x;
        }
        EXPECT_EQ(bmp[54 + row * stride + 9], 0);  // padding
    }
}

TEST(EncodeTga, StoresTheTopRowFirstWithItsAlpha) {
    std::vector<uint8_t> tga = EncodeTga(Sample());
    ASSERT_EQ(tga.size(), 18u + 3 * 2 * 4);
    EXPECT_EQ(tga[0], 0);  // no id
    EXPECT_EQ(tga[2], 2);  // uncompressed true colour
    EXPECT_EQ(Le(tga, 12, 2), 3u);
    EXPECT_EQ(Le(tga, 14, 2), 2u);
    EXPECT_EQ(tga[16], 32);
    EXPECT_EQ(tga[17], 0x28);
    // First pixel: the grey at the top left, opaque, stored blue, green, red, alpha.
    EXPECT_EQ(tga[18], 128);
    EXPECT_EQ(tga[21], 255);
    // Last pixel: the half-transparent green.
    size_t last = 18 + 5 * 4;
    EXPECT_EQ(tga[last + 1], 200);
    EXPECT_EQ(tga[last + 3], 128);
}

// Inflates a zlib stream made only of stored blocks, as the encoder writes it.
std::vector<uint8_t> InflateStored(const std::vector<uint8_t>& z, bool& ok) {
    std::vector<uint8_t> out;
    ok = z.size() >= 6 && z[0] == 0x78 && (z[0] * 256 + z[1]) % 31 == 0;
    size_t pos = 2;
    bool last = false;
    while (ok && !last) {
        if (pos + 5 > z.size()) return ok = false, out;
        last = z[pos] & 1;
        ok = (z[pos] >> 1) == 0;  // stored
        uint32_t n = Le(z, pos + 1, 2), check = Le(z, pos + 3, 2);
        ok = ok && ((n ^ check) == 0xFFFF) && pos + 5 + n <= z.size();
        if (!ok) break;
        out.insert(out.end(), z.begin() + pos + 5, z.begin() + pos + 5 + n);
        pos += 5 + n;
    }
    uint32_t a = 1, b = 0;
    for (uint8_t v : out) a = (a + v) % 65521, b = (b + a) % 65521;
    ok = ok && pos + 4 == z.size() && Be32(z, pos) == ((b << 16) | a);
    return out;
}

TEST(EncodePng, ChunksCarryValidChecksumsAndTheRowsInflateBack) {
    Image image(200, 180);  // more than one stored block of 65535 bytes
    image.Paint([](float x, float y) { return Color{x / 200, y / 180, 0.5f, 1}; });
    std::vector<uint8_t> png = EncodePng(image);
    const uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_TRUE(std::equal(signature, signature + 8, png.begin()));
    std::vector<uint8_t> idat;
    size_t pos = 8;
    std::vector<std::string> order;
    while (pos + 12 <= png.size()) {
        uint32_t length = Be32(png, pos);
        std::string type(png.begin() + pos + 4, png.begin() + pos + 8);
        ASSERT_LE(pos + 12 + length, png.size());
        // CRC over type and body, the standard polynomial, computed bit by bit here.
        uint32_t crc = 0xFFFFFFFFu;
        for (size_t i = pos + 4; i < pos + 8 + length; ++i) {
            crc ^= png[i];
            for (int k = 0; k < 8; ++k) crc = crc & 1 ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
        }
        EXPECT_EQ(~crc, Be32(png, pos + 8 + length)) << type;
        if (type == "IHDR") {
            EXPECT_EQ(Be32(png, pos + 8), 200u);
            EXPECT_EQ(Be32(png, pos + 12), 180u);
        }
        if (type == "IDAT")
            idat.insert(idat.end(), png.begin() + pos + 8, png.begin() + pos + 8 + length);
        order.push_back(type);
        pos += 12 + length;
    }
    EXPECT_EQ(order, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    bool ok = false;
    std::vector<uint8_t> raw = InflateStored(idat, ok);
    ASSERT_TRUE(ok);
    ASSERT_EQ(raw.size(), 180u * (1 + 200 * 4));
    size_t row = 100, col = 150, at = row * (1 + 200 * 4) + 1 + col * 4;
    EXPECT_EQ(raw[row * (1 + 200 * 4)], 0);  // filter: none
    EXPECT_EQ(raw[at], ToByte(image.at(150, 100).r));
    EXPECT_EQ(raw[at + 1], ToByte(image.at(150, 100).g));
    EXPECT_EQ(raw[at + 3], 255);
}

}  // namespace
