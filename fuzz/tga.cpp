// Fuzzes the TGA decoder: any bytes must decode or be refused, never write past the picture.
#include <cstddef>
#include <cstdint>

#include "base/load_error.h"
#include "world/tga_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        const DecodedPicture picture = DecodeTga({data, size}, "fuzz.tga");
        if (picture.rgba.size() != static_cast<size_t>(picture.width) * picture.height * 4)
            __builtin_trap();
    } catch (const WorldLoadError&) {
    }
    return 0;
}
