#include "base/file_bytes.h"

#include <fstream>

#include "base/load_error.h"

std::optional<std::vector<uint8_t>> ReadFileBytes(const std::filesystem::path& path,
                                                  size_t maxBytes) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    const auto size = std::filesystem::file_size(path, error);
    if (error) ThrowFileError(path, "cannot read the file size");
    if (size > maxBytes) ThrowFileError(path, "file is too large");
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size)))
        ThrowFileError(path, "cannot read the file");
    return bytes;
}
