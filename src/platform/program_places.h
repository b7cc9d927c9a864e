// Where this run of the program reads and writes: asks the environment and the executable's own
// path, and creates the player's folders on the first start of an installed copy.
#pragma once
#include "config/content_paths.h"

// Throws std::runtime_error when the player's folders cannot be placed or created.
ContentPaths PlacesOfThisRun();
