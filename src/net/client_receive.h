// Client receive handler: one call per datagram that arrived on port 7051 (server replies, the
// server's forwards of other machines' bullets and kills, and LAN presence broadcasts). It mirrors
// the server's table into the client's, creates and removes per-player state as players come and
// go, and queues event lines and sound cues. Malformed datagrams change nothing.
#pragma once

struct Session;
struct Datagram;

void UDPServClUDPRead(Session& session, const Datagram& datagram);
