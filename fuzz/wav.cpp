// Feeds arbitrary bytes to the WAV reader as a whole file: it must refuse or read them without
// touching memory outside them, and whatever it accepts must read back exactly its data size.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sound/wave_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CWaveSoundRead reader;
    if (!reader.OpenBytes(std::vector<uint8_t>(data, data + size), "fuzz.wav")) return 0;
    PlayableFormat(*reader.format);
    std::vector<uint8_t> piece(777);
    size_t total = 0;
    while (size_t count = reader.Read(piece)) total += count;
    if (total != reader.DataSize()) __builtin_trap();
    if (reader.Reset() && reader.Read(piece) != std::min<size_t>(piece.size(), reader.DataSize())) {
        __builtin_trap();
    }
    return 0;
}
