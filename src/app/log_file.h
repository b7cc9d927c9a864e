// log.txt: created empty at start-up and filled at exit with one line per visitor and the fifteen
// traffic counter lines. Failures throw std::runtime_error naming the file.
#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "net/traffic_log.h"

void CreateLogFile(const std::filesystem::path& path);
void AppendLogLine(const std::filesystem::path& path, std::string_view text);
// `text` to stderr and to log.txt; a log that cannot take it changes nothing.
void TellLogLine(const std::filesystem::path& path, std::string_view text);
// The exit lines in order: visitors, then the counters.
std::vector<std::string> ExitLogLines(const TrafficLog& traffic);
void WriteExitLog(const std::filesystem::path& path, const TrafficLog& traffic);
