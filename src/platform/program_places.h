// Where this run of the program reads and writes: asks the environment and the executable's own
// path, and creates the player's folders on the first start of an installed copy.
#pragma once
#include <string>
#include <vector>

#include "config/content_paths.h"

// Throws std::runtime_error when the player's folders cannot be placed (no home folder). A folder
// that cannot be created or written is no reason to stop: the game plays on without saving there.
// Each such folder adds a line to `folderFaults` (naming it and why) and clears its writable flag.
ContentPaths PlacesOfThisRun(std::vector<std::string>& folderFaults);
