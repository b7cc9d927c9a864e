// Arbitrary config.txt text: the reader either fills the tuning values or reports the bad line.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "config/config_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    Tuning tuning;
    try {
        ParseConfig(std::string_view(reinterpret_cast<const char*>(data), size), "config.txt",
                    tuning);
    } catch (const ConfigError&) {
    }
    return 0;
}
