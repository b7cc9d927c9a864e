// The shipped maps in the run folder, as the benchmarks load them.
#pragma once
#include <algorithm>
#include <filesystem>

#include "support/shipped_content.h"

// The largest .map of the run folder (the most cylinders to collide with), empty when none.
inline std::filesystem::path LargestShippedMap() {
    const std::vector<std::filesystem::path> maps = ShippedMaps();
    const auto largest =
        std::max_element(maps.begin(), maps.end(), [](const auto& a, const auto& b) {
            return std::filesystem::file_size(a) < std::filesystem::file_size(b);
        });
    return largest == maps.end() ? std::filesystem::path() : *largest;
}
