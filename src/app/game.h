// Game: everything one running instance of zarnok owns, grouped by owner: the Session (the match,
// the network's sessions, the world, the sound, the machine's seams), the Frontend's menus, views
// and input, and the drawing's state. There are no hidden globals: a host and a joining player
// can run side by side in one process (tests do). Only app/ and the program see this aggregate;
// every layer below takes the state it reads and writes (the match, the session, the frontend).
#pragma once
#include <string>
#include <vector>

#include "game/hud_state.h"
#include "render/renderer_state.h"
#include "ui/frontend.h"

struct Game : Frontend {
    Renderer renderer;
    HudState hud;
    // Lines start-up said on stderr before log.txt existed; FinishStartUp writes them into it.
    std::vector<std::string> startupNotices;
};
