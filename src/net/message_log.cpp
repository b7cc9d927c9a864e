#include "net/message_log.h"

#include <algorithm>

void AddMessageLine(tmessagelog& log, std::string_view text, uint32_t now) {
    if (log.count >= tmessagelog::kMaxLines) DropMessageLine(log);
    log.lines[static_cast<size_t>(log.count)] =
        std::string(text.substr(0, tmessagelog::kLineLength));
    ++log.count;
    log.lastChange = now;
}

void DropMessageLine(tmessagelog& log) {
    if (log.count <= 0) return;
    std::rotate(log.lines.begin(), log.lines.begin() + 1, log.lines.end());
    log.lines.back().clear();
    --log.count;
}

void ExpireMessageLine(tmessagelog& log, uint32_t now) {
    if (static_cast<int32_t>(now - log.lastChange) <= tmessagelog::kLineLifetimeMs) return;
    DropMessageLine(log);
    log.lastChange = now;
}

void ClearMessageLog(tmessagelog& log) {
    for (std::string& line : log.lines) line.clear();
    log.count = 0;
}
