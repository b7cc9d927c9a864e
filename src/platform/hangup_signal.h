// CloseOnHangUp: SIGHUP (the terminal the game was started from closed) ends the program the way
// SIGTERM does. SDL turns SIGTERM into its quit event, so the window loop ends and the program
// closes gracefully: settings saved, log.txt written. Called by main right after SDL_Init, which
// installs SDL's SIGTERM handler.
#pragma once

void CloseOnHangUp();
