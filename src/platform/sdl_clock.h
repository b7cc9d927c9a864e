// SdlClock: the game's millisecond tick counter, SDL_GetTicks (32 bits, wraps after ~49 days).
#pragma once
#include "base/clock.h"

class SdlClock final : public Clock {
  public:
    uint32_t Ticks() override;
};
