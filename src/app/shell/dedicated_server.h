// The dedicated server: `zarnok --server` hosts a game with bots and no local player, window,
// GL, sound or display. It steps the match once per 15 ms reference frame, sleeping between
// steps, prints a line per event to stdout, and closes cleanly on SIGINT, SIGTERM or SIGHUP.
#pragma once
#include <span>
#include <string>

// Returns the process's exit status: 0 after a clean close or --help, 2 for a bad option, 1 when
// the server cannot start (no map that loads, a bad config.txt, the server port taken).
int RunDedicatedServer(std::span<const std::string> arguments);
