// ReadConfig: reads the tuning file config.txt into Tuning. Keys are case-insensitive, unknown keys
// and extra words are ignored, a key without a value is skipped, a key given twice keeps its last
// value; a missing file leaves the defaults. A value that does not convert, or lies outside the
// key's accepted range, throws ConfigError naming the file, the line number, the range and the
// line, and start-up stops.
#pragma once
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "config/tuning.h"

struct ConfigError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads the file at `path` if it exists.
void ReadConfig(const std::filesystem::path& path, Tuning& tuning);
// Parses config text; `fileName` only names the source in errors.
void ParseConfig(std::string_view text, std::string_view fileName, Tuning& tuning);
