#include "world/bmp_decoder.h"

#include <array>
#include <cstdlib>

#include "base/byte_reader.h"
#include "base/load_error.h"

namespace {

constexpr uint32_t kCompressionNone = 0;
constexpr uint32_t kCompressionBitfields = 3;

struct BmpLayout {
    int32_t width = 0;
    int32_t height = 0;  // rows stored
    bool topDown = false;
    int bitsPerPixel = 0;
    size_t pixelOffset = 0;
    std::array<std::array<uint8_t, 3>, 256> palette{};  // blue, green, red
};

BmpLayout ReadLayout(std::span<const uint8_t> bytes, const std::filesystem::path& file) {
    ByteReader reader(bytes);
    if (reader.U8() != 'B' || reader.U8() != 'M') ThrowFileError(file, "not a BMP file");
    reader.Skip(8);
    BmpLayout layout;
    layout.pixelOffset = reader.U32();
    const size_t infoStart = reader.Offset();
    const uint32_t infoSize = reader.U32();
    int32_t rawHeight = 0;
    uint32_t compression = kCompressionNone;
    uint32_t paletteSize = 0;
    size_t paletteEntryBytes = 4;
    if (infoSize == 12) {
        layout.width = reader.U16();
        rawHeight = static_cast<int16_t>(reader.U16());
        reader.Skip(2);
        layout.bitsPerPixel = reader.U16();
        paletteEntryBytes = 3;
    } else if (infoSize >= 40) {
        layout.width = reader.I32();
        rawHeight = reader.I32();
        reader.Skip(2);
        layout.bitsPerPixel = reader.U16();
        compression = reader.U32();
        reader.Skip(12);
        paletteSize = reader.U32();
        if (compression == kCompressionBitfields && layout.bitsPerPixel == 32) {
            // Masks follow a 40-byte header and sit inside the larger ones at the same place.
            reader.Seek(infoStart + 40);
            const uint32_t red = reader.U32(), green = reader.U32(), blue = reader.U32();
            if (red != 0xFF0000 || green != 0xFF00 || blue != 0xFF)
                ThrowFileError(file, "unsupported BMP colour masks");
        } else if (compression != kCompressionNone) {
            ThrowFileError(file, "compressed BMP files are not supported");
        }
    } else {
        ThrowFileError(file, "unsupported BMP header");
    }
    if (reader.Failed()) ThrowFileError(file, "truncated BMP header");
    if (layout.bitsPerPixel != 8 && layout.bitsPerPixel != 24 && layout.bitsPerPixel != 32)
        ThrowFileError(file, "unsupported BMP pixel depth " + std::to_string(layout.bitsPerPixel));
    if (rawHeight == INT32_MIN) ThrowFileError(file, "bad BMP height");
    layout.topDown = rawHeight < 0;
    layout.height = std::abs(rawHeight);
    if (layout.width <= 0 || layout.height <= 0 ||
        int64_t{layout.width} * layout.height > kMaxPicturePixels)
        ThrowFileError(
            file, "bad BMP size " + std::to_string(layout.width) + "x" + std::to_string(rawHeight));
    if (layout.bitsPerPixel == 8) {
        if (paletteSize == 0 || paletteSize > 256) paletteSize = 256;
        reader.Seek(infoStart + infoSize);
        for (uint32_t i = 0; i < paletteSize && !reader.Failed(); ++i) {
            auto& entry = layout.palette[i];
            entry = {reader.U8(), reader.U8(), reader.U8()};
            if (paletteEntryBytes == 4) reader.Skip(1);
        }
        if (reader.Failed()) ThrowFileError(file, "truncated BMP palette");
    }
    return layout;
}

}  // namespace

DecodedPicture DecodeBmp(std::span<const uint8_t> bytes, AlphaRule rule,
                         const std::filesystem::path& file) {
    const BmpLayout layout = ReadLayout(bytes, file);
    const size_t width = static_cast<size_t>(layout.width);
    const size_t height = static_cast<size_t>(layout.height);
    const size_t bytesPerPixel = static_cast<size_t>(layout.bitsPerPixel) / 8;
    const size_t stride = (width * bytesPerPixel + 3) / 4 * 4;
    if (layout.pixelOffset > bytes.size() || stride * height > bytes.size() - layout.pixelOffset)
        ThrowFileError(file, "truncated BMP pixel data");

    DecodedPicture picture{layout.width, layout.height, std::vector<uint8_t>(width * height * 4)};
    for (size_t row = 0; row < height; ++row) {
        const size_t y = layout.topDown ? row : height - 1 - row;
        const uint8_t* source = bytes.data() + layout.pixelOffset + row * stride;
        uint8_t* target = picture.rgba.data() + y * width * 4;
        for (size_t x = 0; x < width; ++x) {
            uint8_t blue, green, red;
            if (bytesPerPixel == 1) {
                const auto& entry = layout.palette[source[x]];
                blue = entry[0];
                green = entry[1];
                red = entry[2];
            } else {
                const uint8_t* pixel = source + x * bytesPerPixel;
                blue = pixel[0];
                green = pixel[1];
                red = pixel[2];
            }
            target[x * 4 + 0] = red;
            target[x * 4 + 1] = green;
            target[x * 4 + 2] = blue;
            target[x * 4 + 3] = BmpPixelAlpha(rule, red, green, blue);
        }
    }
    return picture;
}
