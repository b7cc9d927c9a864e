// The dedicated server's step: one reference frame of the match its table plays (the bots decide,
// the flags change hands, the bots' bullets fly, every body moves), what the rules reported sent
// on, the server's periodic duties (resends, time-outs, its presence every two seconds), and the
// next level of the rotation five seconds after a level ends.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/server_options.h"

struct Session;

// Makes `session` the server of the options' game with no player of its own, `maps` its
// rotation; returns what is wrong ("no map NAME") or nothing.
std::string SetUpServerGame(Session& session, const ServerOptions& options,
                            const std::vector<std::string>& maps);
// Starts the first level and seats the bots; false when the level does not load.
bool OpenServerGame(Session& session);

struct ServerStepTimes {
    uint32_t lastCheck = 0;  // the last two-second duties
    uint32_t levelEnd = 0;   // when this step first saw the level over; 0 while it runs
};

// False when the rotation has no map left that loads (the server cannot go on).
bool RunServerStep(Session& session, ServerStepTimes& times);

// Starts the level of the settings' map, or the next of the rotation that loads; false when none
// does. Each map that fails is announced.
bool StartLoadableLevel(Session& session);
