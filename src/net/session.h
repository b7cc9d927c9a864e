// Session: what one running copy of zarnok owns to take part in a match on the network: the
// machine's seams, random numbers, the program-wide flags and the frame's clock, the tuning and
// the user's settings, the world and the match in it, the server and client sessions, the
// traffic counters and the sound. The network's handlers and senders take it, so a process
// without a window (a test, a server) needs nothing more. The Game (app/game.h) adds the
// player's window: menus, views, drawing and input.
#pragma once
#include "base/clock.h"
#include "base/random.h"
#include "config/tuning.h"
#include "config/user_settings.h"
#include "game/match.h"
#include "game/play_state.h"
#include "net/client.h"
#include "net/map_transfer.h"
#include "net/program_state.h"
#include "net/server.h"
#include "net/traffic_log.h"
#include "sound/sound.h"
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

struct Session {
    Services services;
    Random random;
    ProgramState state;
    FrameTiming frame;
    TrafficLog traffic;

    Tuning tuning;
    tusersettings userSettings;
    World world;
    PlayState play;
    Server server;
    Client client;
    MapTransfer maps;
    Sound sound;
};

// The match as the rules see it this frame: the session's models, tables and settings, clock and
// random numbers.
inline Match MatchOf(Session& session) {
    return Match{.play = session.play,
                 .world = session.world,
                 .arena = session.world.arena,
                 .gpu = session.services.gpu,
                 .tuning = session.tuning,
                 .random = session.random,
                 .localPlayer = session.client.localPlayer,
                 .clientSettings = session.client.clientSettings,
                 .serverPlayers = session.server.serverPlayers,
                 .serverSettings = session.server.serverSettings,
                 .now = session.frame.now,
                 .speedFactor = session.frame.speedFactor,
                 .localPlayerIndex = session.state.localPlayerIndex,
                 .hosting = session.state.hosting,
                 .botSkill = session.server.botSkill};
}
