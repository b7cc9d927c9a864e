#include "platform/sdl_clock.h"

#include <SDL.h>

uint32_t SdlClock::Ticks() {
    return SDL_GetTicks();
}
