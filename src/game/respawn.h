// Respawn: a dead local player comes back once its respawn delay has passed, at the place the
// server gives it.
#pragma once

struct Game;

// Every frame: a dead local player whose delay has passed stands up again and asks the server
// where to appear (the requests repeat until the answer has placed it).
void RespawnLocalPlayerIfDue(Game& game);
