#include "base/load_error.h"

void ThrowFileError(const std::filesystem::path& file, std::string_view message) {
    throw WorldLoadError(file.string() + ": " + std::string(message));
}

void ThrowLineError(std::string_view file, int line, std::string_view message) {
    throw WorldLoadError(std::string(file) + ":" + std::to_string(line) + ": " +
                         std::string(message));
}
