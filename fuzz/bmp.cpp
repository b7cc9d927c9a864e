// Fuzzes the BMP decoder: any bytes must decode or be refused, never read out of bounds.
#include <cstddef>
#include <cstdint>

#include "base/load_error.h"
#include "world/bmp_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        const DecodedPicture picture = DecodeBmp({data, size}, AlphaRule::Translucent, "fuzz.bmp");
        if (picture.rgba.size() != static_cast<size_t>(picture.width) * picture.height * 4)
            __builtin_trap();
    } catch (const WorldLoadError&) {
    }
    return 0;
}
