// Game: everything one running instance of zarnok owns, grouped by owner: the Session (the match,
// the network's sessions, the world, the sound, the machine's seams), the Frontend's menus, views
// and input, and the drawing's state. There are no hidden globals: a host and a joining player
// can run side by side in one process (tests do). Only app/ and the program see this aggregate;
// every layer below takes the state it reads and writes (the match, the session, the frontend).
#pragma once
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "base/phrase.h"
#include "game/hud_state.h"
#include "render/renderer_state.h"
#include "ui/frontend.h"

// What start-up found wrong but could go on without: the player reads `headline` in a message box
// over the first menu, with the first line below it; stderr and log.txt get every line. What the
// game merely does without (sound, a map it cannot offer) is no box: each line stays at the foot
// of the menus after the headline.
struct StartupNotice {
    Phrase headline;
    std::vector<std::string> lines;
    bool inBox = true;
};

struct Game : Frontend {
    Renderer renderer;
    HudState hud;
    std::vector<StartupNotice> startupNotices;
    // spawnConfirmed as the last frame saw it: its rise while playing is a placement to log.
    bool spawnConfirmedSeen = true;
    // Where other machines' players are drawn, frame by frame, when ZARNOK_TRACE_REMOTE asks.
    // Shared, so that a Game stays copyable (tests and fuzzers copy a prepared one).
    std::shared_ptr<std::ofstream> remoteTrace;
};
