// SdlClock: the game's millisecond tick counter, SDL's monotonic counter moved forward by
// kFirstTick. Map timings such as a charger's "last taken" of 0 assume a clock that is long past
// any respawn interval when a level loads, as a system's uptime counter is; a counter that started
// at 0 with the program would hide every charger for its first interval. 32 bits, compared by
// subtraction; the start stays far below 2^31 so that "time since 0" is positive for weeks.
#pragma once
#include "base/clock.h"

class SdlClock final : public Clock {
  public:
    static constexpr uint32_t kFirstTick = 1u << 28;  // about three days

    uint32_t Ticks() override;
};
