// PumpWindowEvents: hands every pending SDL event to the game (resize, keys, characters, mouse)
// and to the input devices; false once the program is asked to close (window close, SIGINT or
// SIGTERM, which SDL turns into its quit event, or SIGHUP, which main passes on as SIGTERM).
#pragma once

struct Game;
class InputDevices;

bool PumpWindowEvents(Game& game, InputDevices& devices);
