// The dedicated server: `zarnok --server` hosts a game with bots and no local player, window,
// GL, sound or display. It steps the match once per 15 ms reference frame, sleeping between
// steps, prints a line per event to stdout, and closes cleanly on SIGINT, SIGTERM or SIGHUP.
#pragma once

struct ServerOptions;

// Returns the process's exit status: 0 after a clean close, 1 when the server cannot start (no
// map that loads, a bad config.txt, the server port taken).
int RunDedicatedServer(const ServerOptions& options);
