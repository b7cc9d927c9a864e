// Clock: the millisecond tick counter every time rule of the game reads. The game uses the
// platform's counter; tests use ManualClock to step time exactly. Ticks wrap at 2^32 and are
// always compared by subtraction.
#pragma once
#include <cstdint>

// Signed milliseconds from `then` to `now`, right across a wrap of the tick counter.
inline int32_t Elapsed(uint32_t now, uint32_t then) {
    return static_cast<int32_t>(now - then);
}

class Clock {
  public:
    virtual ~Clock() = default;
    virtual uint32_t Ticks() = 0;
};

class ManualClock final : public Clock {
  public:
    explicit ManualClock(uint32_t start = 0) : now(start) {}
    uint32_t Ticks() override { return now; }
    void Advance(uint32_t ms) { now += ms; }
    uint32_t now;
};
