// Game: everything one running instance of zarnok owns, grouped by owner. There are no hidden
// globals: a host and a joining player can run side by side in one process (tests do), and every
// operation takes the parts it reads and writes.
#pragma once
#include "app/clock.h"
#include "app/random.h"
#include "app/tuning.h"
#include "app/user_settings.h"
#include "game/play_state.h"
#include "net/client.h"
#include "net/server.h"
#include "render/renderer_state.h"
#include "sound/sound.h"
#include "ui/input_state.h"
#include "ui/menus.h"
#include "world/world.h"

class Gpu;
class Audio;
class Network;

// The seams to the machine; the platform layer provides real ones, tests provide fakes.
struct Services {
    Clock* clock = nullptr;
    Gpu* gpu = nullptr;
    Audio* audio = nullptr;
    Network* network = nullptr;
};

struct Game {
    Services services;
    Random random;

    Tuning tuning;
    tusersettings userSettings;
    World world;
    PlayState play;
    Server server;
    Client client;
    Renderer renderer;
    Menus menus;
    InputState input;
    Sound sound;
};
