#include "world/tga_decoder.h"

#include <algorithm>

#include "base/byte_reader.h"
#include "base/load_error.h"

namespace {

constexpr uint8_t kTypeTrueColour = 2;
constexpr uint8_t kTypeRunLength = 10;

void ReadPixel(ByteReader& reader, bool hasAlpha, uint8_t* target) {
    const uint8_t blue = reader.U8(), green = reader.U8(), red = reader.U8();
    target[0] = red;
    target[1] = green;
    target[2] = blue;
    target[3] = hasAlpha ? reader.U8() : 255;
}

}  // namespace

DecodedPicture DecodeTga(std::span<const uint8_t> bytes, const std::filesystem::path& file) {
    ByteReader reader(bytes);
    const uint8_t idLength = reader.U8();
    reader.Skip(1);
    const uint8_t imageType = reader.U8();
    reader.Skip(9);
    const int32_t width = reader.U16();
    const int32_t height = reader.U16();
    const uint8_t depth = reader.U8();
    reader.Skip(1);
    reader.Skip(idLength);
    if (reader.Failed()) ThrowFileError(file, "truncated TGA header");
    const int64_t pixelCount = int64_t{width} * height;
    if (pixelCount == 0) ThrowFileError(file, "TGA picture has no pixels");
    if (pixelCount > kMaxTgaPixels) ThrowFileError(file, "TGA picture larger than 1048576 pixels");

    DecodedPicture picture{width, height,
                           std::vector<uint8_t>(static_cast<size_t>(pixelCount) * 4)};
    if (imageType != kTypeTrueColour && imageType != kTypeRunLength) return picture;
    if (depth != 24 && depth != 32) ThrowFileError(file, "unsupported TGA pixel depth");
    const bool hasAlpha = depth == 32;
    uint8_t* target = picture.rgba.data();
    const size_t total = static_cast<size_t>(pixelCount);

    if (imageType == kTypeTrueColour) {
        for (size_t i = 0; i < total; ++i) ReadPixel(reader, hasAlpha, target + i * 4);
        if (reader.Failed()) ThrowFileError(file, "truncated TGA pixel data");
        return picture;
    }
    size_t written = 0;
    while (written < total) {
        const uint8_t header = reader.U8();
        const size_t count = (header & 127u) + 1;
        if (reader.Failed()) ThrowFileError(file, "truncated TGA run-length data");
        if (count > total - written)
            ThrowFileError(file, "TGA run-length packet runs past the picture");
        if (header >= 128) {
            uint8_t pixel[4];
            ReadPixel(reader, hasAlpha, pixel);
            for (size_t i = 0; i < count; ++i)
                std::copy(pixel, pixel + 4, target + (written + i) * 4);
        } else {
            for (size_t i = 0; i < count; ++i)
                ReadPixel(reader, hasAlpha, target + (written + i) * 4);
        }
        if (reader.Failed()) ThrowFileError(file, "truncated TGA run-length data");
        written += count;
    }
    return picture;
}
