// Server match: the match of a server that hosts with no player of its own (the dedicated
// server). Its players are the server's table itself, slot for slot: the bots it runs and the
// humans as their machines report them. A player's machine keeps its match through its client
// instead (client_receive.h).
#pragma once

struct Session;

// The match's players follow the server's table: entries that left are removed, new ones seated
// (with their models), and every human is put where its last report says.
void FollowServerTable(Session& session);

// Starts the level of the server's settings' map: the level loaded, both flags home, the scores
// and the level end cleared, everyone alive, the bots at spawn points. False when the map cannot
// be loaded (nothing else changes then).
bool StartServerLevel(Session& session);
