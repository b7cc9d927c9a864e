// Remote trace: with ZARNOK_TRACE_REMOTE naming a file, every played frame appends one line per
// player another machine runs, as this machine draws it: "time slot x y z yaw". It lets a run of
// the real program be checked for how smoothly other players move on its screen.
#pragma once

struct Game;

// Opens the file the environment names, if it names one.
void OpenRemoteTraceFromEnvironment(Game& game);
// The frame's lines, when the trace is open.
void TraceRemotePlayers(Game& game);
