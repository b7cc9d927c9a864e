// SteadyClock: the millisecond tick counter of a program without SDL (the dedicated server): the
// system's monotonic clock since the program started, moved forward by the same first tick as
// SdlClock, so every time rule reads it alike.
#pragma once
#include <chrono>
#include <cstdint>

#include "base/clock.h"
#include "platform/sdl_clock.h"

class SteadyClock final : public Clock {
  public:
    uint32_t Ticks() override {
        const auto elapsed = std::chrono::steady_clock::now() - start_;
        return SdlClock::kFirstTick +
               static_cast<uint32_t>(
                   std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
    }

  private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};
