// DecodeTga: Targa true-colour pictures (type 2 uncompressed, type 10 run-length; 24 or 32 bits)
// into RGBA. Rows stay in file order: the first stored row becomes row 0. TGA pixels keep their
// own alpha (255 for 24-bit); name prefixes do not apply.
#pragma once
#include <cstdint>
#include <filesystem>
#include <span>

#include "world/picture.h"

// Other image types decode to a transparent black picture of the header's size. Throws
// WorldLoadError naming `file` for a truncated file, a bad or oversized picture, an unsupported
// pixel depth, or a run-length packet that runs past the picture.
DecodedPicture DecodeTga(std::span<const uint8_t> bytes, const std::filesystem::path& file);
