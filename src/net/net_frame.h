// Net frame: the network's share of one frame of the game loop, in the loop's order: drain the
// sockets into the handlers, the two-second checks (presence broadcast, stale servers, liveness,
// silent players), the host's per-frame deliveries, the spawn requests after a level change, the
// level restart, the join time-out and the 50 ms state report. The frame loop calls
// RunNetworkFrame once per frame; tests call it to run hosts and clients side by side.
#pragma once
#include <cstdint>

struct Game;

struct tnettimers {
    uint32_t lastNetworkCheck = 0;  // presence and stale servers, every > 2000 ms
    uint32_t lastWatchdog = 0;      // server silence, every >= 2000 ms while playing
    uint32_t lastTimeoutCheck = 0;  // the host's silent-player check, every >= 2000 ms
    uint32_t lastReport = 0;        // the 50 ms timer
};

inline constexpr uint32_t kNetworkCheckMs = 2000;
inline constexpr uint32_t kReportIntervalMs = 50;

// Binds the server and client ports; false when one could not be bound.
bool OpenNetworkPorts(Game& game);
// Hands every datagram waiting on the two ports to its handler (bounded per call, so a flood
// cannot stall a frame).
void DrainNetwork(Game& game);

// What a frame does with the network; true when the join just timed out (the menu then shows
// its "Сервер не отвечает" box).
struct tnetframeresult {
    bool joinTimedOut = false;
    bool levelRestarted = false;
};
tnetframeresult RunNetworkFrame(Game& game, tnettimers& timers);

// While the local spawn is unconfirmed after a level change: a request for the local player and,
// on the host, one per bot (every frame until the answer comes).
void RequestSpawnsUntilConfirmed(Game& game);
