// DecodeBmp: Windows bitmaps (uncompressed 8-bit palette, 24-bit and 32-bit; bottom-up or
// top-down rows) into RGBA with row 0 at the top and alpha from the name's rule.
#pragma once
#include <cstdint>
#include <filesystem>
#include <span>

#include "world/picture.h"

// Throws WorldLoadError naming `file` when the bytes are not a bitmap we can read.
DecodedPicture DecodeBmp(std::span<const uint8_t> bytes, AlphaRule rule,
                         const std::filesystem::path& file);
