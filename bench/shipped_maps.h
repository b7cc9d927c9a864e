// The shipped maps in the run folder, as the benchmarks load them.
#pragma once
#include <cstdint>
#include <filesystem>
#include <system_error>

// The largest .map of the run folder (the most cylinders to collide with), empty when none.
inline std::filesystem::path LargestShippedMap() {
    std::filesystem::path largest;
    std::uintmax_t largestSize = 0;
    const std::filesystem::path maps = std::filesystem::path(ZARNOK_RUN_DIR) / "maps";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(maps, error)) {
        if (entry.path().extension() == ".map" && entry.file_size() > largestSize) {
            largest = entry.path();
            largestSize = entry.file_size();
        }
    }
    return largest;
}
