// Reads a whole data file into memory, refusing files larger than a caller's limit so that a
// damaged or hostile file cannot make us allocate without bound.
#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

// nullopt when the file does not exist; WorldLoadError when it cannot be read or is too large.
std::optional<std::vector<uint8_t>> ReadFileBytes(const std::filesystem::path& path,
                                                  size_t maxBytes);
