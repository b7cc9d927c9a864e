#include "app/log_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace {

[[noreturn]] void ThrowFileError(const std::filesystem::path& path) {
    throw std::runtime_error(path.string() + ": " + std::strerror(errno));
}

std::string CounterLine(const char* label, int64_t count) {
    return std::string(label) + " " + std::to_string(count);
}

}  // namespace

void CreateLogFile(const std::filesystem::path& path) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) ThrowFileError(path);
}

void AppendLogLine(const std::filesystem::path& path, std::string_view text) {
    std::ofstream file(path, std::ios::binary | std::ios::app);
    file << text << "\n";
    if (!file.flush()) ThrowFileError(path);
}

void TellLogLine(const std::filesystem::path& path, std::string_view text) {
    std::fprintf(stderr, "zarnok: %.*s\n", static_cast<int>(text.size()), text.data());
    try {
        AppendLogLine(path, text);
    } catch (const std::exception&) {
    }
}

std::vector<std::string> ExitLogLines(const TrafficLog& traffic) {
    std::vector<std::string> lines;
    for (const Visitor& visitor : traffic.visitorList) {
        lines.push_back("player " + std::to_string(visitor.id) + " " + visitor.address +
                        " was here " + std::to_string(visitor.count));
    }
    const ServerStatistics& s = traffic.serverStatistics;
    // "sent", "sentsrv" and "received" have no counter behind them and always print 0.
    lines.push_back(CounterLine("sent", 0));
    lines.push_back(CounterLine("sentsrv", 0));
    lines.push_back(CounterLine("sentsrv_ginfo", s.ginfo));
    lines.push_back(CounterLine("sentsrv_endlv", s.endlv));
    lines.push_back(CounterLine("sentsrv_addpl", s.addpl));
    lines.push_back(CounterLine("sentsrv_added", s.added));
    lines.push_back(CounterLine("sentsrv_bulst", s.bulst));
    lines.push_back(CounterLine("sentsrv_bulfn", s.bulfn));
    lines.push_back(CounterLine("sentsrv_illim", s.illim));
    lines.push_back(CounterLine("sentsrv_endlv2", s.endlv2));
    lines.push_back(CounterLine("sentsrv_respl", s.respl));
    lines.push_back(CounterLine("sentsrv_delpl", s.delpl));
    lines.push_back(CounterLine("sentsrv_srvcl", s.srvcl));
    lines.push_back(CounterLine("sentsrv_addlist", s.addlist));
    lines.push_back(CounterLine("received", 0));
    return lines;
}

void WriteExitLog(const std::filesystem::path& path, const TrafficLog& traffic) {
    for (const std::string& line : ExitLogLines(traffic)) AppendLogLine(path, line);
}
