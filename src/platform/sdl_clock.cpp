#include "platform/sdl_clock.h"

#include <SDL.h>

uint32_t SdlClock::Ticks() {
    return kFirstTick + static_cast<uint32_t>(SDL_GetTicks64());
}
