// Decoded pictures and the alpha rule a texture's name chooses for BMP files: "tra_" pictures are
// translucent by colour, "mi_" pictures masked, the rest half-transparent on key pixels.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

// RGBA, 4 bytes a pixel, pixel (x, y) at (x + y * width) * 4.
struct DecodedPicture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> rgba;
};

enum class AlphaRule { Translucent, Masked, Plain };

AlphaRule AlphaRuleForName(std::string_view textureName);

// Alpha of one BMP pixel. A key pixel is one whose red AND green AND blue equals its blue (every
// grey, and every pixel without blue); other pixels are opaque.
uint8_t BmpPixelAlpha(AlphaRule rule, uint8_t red, uint8_t green, uint8_t blue);

// Largest picture either decoder accepts; TGA pictures are further capped at 1,048,576 pixels.
inline constexpr int64_t kMaxPicturePixels = 4096 * 4096;
inline constexpr int64_t kMaxTgaPixels = 1048576;
