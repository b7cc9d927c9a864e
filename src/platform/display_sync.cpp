#include "platform/display_sync.h"

#include <SDL_syswm.h>

void WaitForDisplayServer(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
    XSync(info.info.x11.display, False);
}
