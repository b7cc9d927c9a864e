// The on-screen event lines (kills, joins, departures, flag events): one buffer per client that
// the network fills, the frame loop thins out one line at a time and the HUD draws, oldest first.
// A line holds what happened and who took part; the HUD words it in the player's language
// (app/hud_words.h).
#pragma once
#include <array>
#include <cstdint>
#include <string>

enum class MessageEvent : uint8_t {
    kJoined,        // `name` joined the game
    kLeft,          // `name` left it
    kKilled,        // `name` killed `victim`
    kFlagCaptured,  // `flag` was brought to the other team's home
    kFlagReturned,  // `flag` went back to its home
    kFlagTaken,
    kFlagDropped,
};

struct tmessageline {
    MessageEvent event = MessageEvent::kJoined;
    uint8_t flag = 0;  // 0 the blue flag, 1 the red one
    std::string name{}, victim{};

    bool operator==(const tmessageline&) const = default;
};

struct tmessagelog {
    static constexpr int32_t kSlots = 10;
    static constexpr int32_t kMaxLines = 9;
    static constexpr size_t kLineLength = 64;
    // Expiry: an untouched buffer loses its oldest line once this much time passed since the last
    // change.
    static constexpr int32_t kLineLifetimeMs = 2000;

    std::array<tmessageline, kSlots> lines;  // the first `count` are in use, oldest first
    int32_t count = 0;
    uint32_t lastChange = 0;  // tick of the last line added or expired
};

// Appends a line, first dropping the oldest when nine are held.
void AddMessageLine(tmessagelog& log, tmessageline line, uint32_t now);
// Forgets the oldest line; nothing when the buffer is empty.
void DropMessageLine(tmessagelog& log);
// Drops the oldest line when more than two seconds passed since the last change, and starts the
// next wait from `now`; so lines leave one by one, and a new line restarts the wait.
void ExpireMessageLine(tmessagelog& log, uint32_t now);
// A new level starts with an empty buffer.
void ClearMessageLog(tmessagelog& log);
