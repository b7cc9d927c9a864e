// WorldLoadError: why a texture, model or map file was refused. The message names the file and,
// for text files, the line, so a player who edits a map can find the mistake.
#pragma once
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

class WorldLoadError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void ThrowFileError(const std::filesystem::path& file, std::string_view message);
[[noreturn]] void ThrowLineError(std::string_view file, int line, std::string_view message);
