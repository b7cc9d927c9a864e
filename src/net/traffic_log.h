// Traffic bookkeeping written to log.txt at exit: the server's per-tag send counters and the list
// of players that sent state reports to this host. The server increments and fills them; the log
// writer (app/log_file) only reads them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct ServerStatistics {
    int64_t ginfo = 0;
    int64_t endlv = 0;
    int64_t addpl = 0;
    int64_t added = 0;
    int64_t bulst = 0;
    int64_t bulfn = 0;
    int64_t illim = 0;
    int64_t endlv2 = 0;
    int64_t respl = 0;
    int64_t delpl = 0;
    int64_t srvcl = 0;
    int64_t addlist = 0;
};

struct Visitor {
    int32_t id = 0;
    std::string address;  // dotted text, up to 64 characters
    int64_t count = 0;    // state reports received from this player
};

struct TrafficLog {
    std::vector<Visitor> visitorList;
    ServerStatistics serverStatistics;
};
