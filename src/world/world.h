// World: textures, the arena and the model templates of the current level.
#pragma once

struct World {};
