// Net frame: the network's duties that the frame loop runs (app/frame_steps): opening the two
// ports at start-up, handing every waiting datagram to its handler between frames, the
// two-second housekeeping and the spawn requests after a level change.
#pragma once
#include <cstdint>

struct Session;
struct Client;

// Binds the server and client ports; false when one could not be bound (another game runs). The
// client remembers whether its port was bound and whether a broadcast can reach it, for the join
// list's explanation when it stays empty.
bool OpenNetworkPorts(Session& session);
// Hands every datagram waiting on the two ports to its handler (bounded per call, so a flood
// cannot stall a frame).
void DrainNetwork(Session& session);
// Every two seconds: the host announces itself; servers not heard for 10 s are forgotten; the
// interfaces are looked at again (a cable plugged in).
void RunNetworkHousekeeping(Session& session);
// While the local spawn is unconfirmed after a level change: a request for the local player and,
// on the host, one per bot (every frame until the answer comes).
void RequestSpawnsUntilConfirmed(Session& session);
