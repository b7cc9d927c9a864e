// Game: everything one running instance of zarnok owns, grouped by owner. There are no hidden
// globals: a host and a joining player can run side by side in one process (tests do), and every
// operation takes the parts it reads and writes.
#pragma once
#include <filesystem>
#include <vector>

#include "app/program_state.h"
#include "base/clock.h"
#include "base/random.h"
#include "config/display_modes.h"
#include "config/tuning.h"
#include "config/user_settings.h"
#include "game/hud_state.h"
#include "game/match.h"
#include "game/play_state.h"
#include "game/view_state.h"
#include "net/client.h"
#include "net/server.h"
#include "net/traffic_log.h"
#include "render/renderer_state.h"
#include "sound/sound.h"
#include "ui/input_state.h"
#include "ui/menus.h"
#include "world/world.h"

class Gpu;
class Audio;
class Network;
class MainWindow;

// The seams to the machine; the platform layer provides real ones, tests provide fakes.
struct Services {
    Clock* clock = nullptr;
    Gpu* gpu = nullptr;
    Audio* audio = nullptr;
    Network* network = nullptr;
    MainWindow* window = nullptr;
};

// Where the content loaders look, and the files opened by bare name in the current directory.
struct ContentPaths {
    std::filesystem::path soundDir = "sound/";
    std::filesystem::path mapsDir = "maps/";
    std::filesystem::path texturesDir = "textures/";
    std::filesystem::path configFile = "config.txt";
    std::filesystem::path settingsFile = "conf2.cfg";
    std::filesystem::path logFile = "log.txt";
};

struct Game {
    Services services;
    Random random;
    ContentPaths paths;
    ProgramState state;
    FrameTiming frame;
    TrafficLog traffic;
    std::vector<tdisplaymode> displayModes;

    Tuning tuning;
    tusersettings userSettings;
    World world;
    PlayState play;
    Server server;
    Client client;
    ViewState view;
    Renderer renderer;
    HudState hud;
    Menus menus;
    InputState input;
    Sound sound;
};

// The match as the rules see it this frame: the Game's models, tables and settings, clock and
// random numbers.
inline Match MatchOf(Game& game) {
    return Match{.play = game.play,
                 .arena = game.world.arena,
                 .tuning = game.tuning,
                 .random = game.random,
                 .clientPlayers = game.client.clientPlayers,
                 .localPlayer = game.client.localPlayer,
                 .clientSettings = game.client.clientSettings,
                 .serverPlayers = game.server.serverPlayers,
                 .serverSettings = game.server.serverSettings,
                 .now = game.frame.now,
                 .speedFactor = game.frame.speedFactor,
                 .localPlayerIndex = game.state.localPlayerIndex,
                 .hosting = game.state.hosting};
}
