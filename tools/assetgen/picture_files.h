// Encoders for the picture files assetgen writes: 24-bit BMP and 32-bit TGA textures the game
// loads, and PNG for the contact sheet a person reviews.
//
// The game gives a BMP pixel partial alpha (or none) when (red AND green AND blue) == blue; opaque
// pictures therefore nudge such colours by one step so that every pixel stays fully opaque.
// Pictures that need real transparency are written as TGA, whose alpha the game keeps as stored.
#pragma once
#include <cstdint>
#include <vector>

#include "image.h"

struct Rgb8 {
    uint8_t r, g, b;
};

uint8_t ToByte(float v);
bool IsKeyColor(Rgb8 c);
// The nearest colour (each channel within one step) that the game draws fully opaque.
Rgb8 OpaqueColor(Rgb8 c);

// Bottom-up 24-bit BMP with rows padded to four bytes; alpha is dropped.
std::vector<uint8_t> EncodeBmp(const Image& image);
// Uncompressed 32-bit TGA. Rows are stored top row first (descriptor bit 5 says so), because the
// game maps the first stored row to texture row 0, as it does with the top row of a BMP.
std::vector<uint8_t> EncodeTga(const Image& image);
// 8-bit RGBA PNG with stored (uncompressed) deflate blocks.
std::vector<uint8_t> EncodePng(const Image& image);
