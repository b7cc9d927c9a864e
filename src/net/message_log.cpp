#include "net/message_log.h"

#include <algorithm>
#include <utility>

void AddMessageLine(tmessagelog& log, tmessageline line, uint32_t now) {
    if (log.count >= tmessagelog::kMaxLines) DropMessageLine(log);
    log.lines[static_cast<size_t>(log.count)] = std::move(line);
    ++log.count;
    log.lastChange = now;
}

void DropMessageLine(tmessagelog& log) {
    if (log.count <= 0) return;
    std::rotate(log.lines.begin(), log.lines.begin() + 1, log.lines.end());
    log.lines.back() = {};
    --log.count;
}

void ExpireMessageLine(tmessagelog& log, uint32_t now) {
    if (static_cast<int32_t>(now - log.lastChange) <= tmessagelog::kLineLifetimeMs) return;
    DropMessageLine(log);
    log.lastChange = now;
}

void ClearMessageLog(tmessagelog& log) {
    log.lines.fill({});
    log.count = 0;
}
