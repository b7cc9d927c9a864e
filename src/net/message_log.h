// The on-screen event lines (kills, joins, departures, flag events): one buffer per client that
// the network fills, the frame loop thins out one line at a time and the HUD draws, oldest first.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

struct tmessagelog {
    static constexpr int32_t kSlots = 10;
    static constexpr int32_t kMaxLines = 9;
    static constexpr size_t kLineLength = 64;
    // Expiry: an untouched buffer loses its oldest line once this much time passed since the last
    // change.
    static constexpr int32_t kLineLifetimeMs = 2000;

    std::array<std::string, kSlots> lines;  // the first `count` are in use, oldest first
    int32_t count = 0;
    uint32_t lastChange = 0;  // tick of the last line added or expired
};

// Appends a line cut to 64 characters, first dropping the oldest when nine are held.
void AddMessageLine(tmessagelog& log, std::string_view text, uint32_t now);
// Forgets the oldest line; nothing when the buffer is empty.
void DropMessageLine(tmessagelog& log);
// Drops the oldest line when more than two seconds passed since the last change, and starts the
// next wait from `now`; so lines leave one by one, and a new line restarts the wait.
void ExpireMessageLine(tmessagelog& log, uint32_t now);
// A new level starts with an empty buffer.
void ClearMessageLog(tmessagelog& log);
