// WaitForDisplayServer: blocks until the window system has taken every request sent so far (an
// X11 round trip). A GPU driver stops the frame loop from running ahead of the screen on its
// own; software GL under X does not, and an unthrottled loop would queue whole frames in a busy
// X server until input and close requests lag by seconds. Does nothing on other window systems.
#pragma once
#include <SDL.h>

void WaitForDisplayServer(SDL_Window* window);
