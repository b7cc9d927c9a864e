// PlayState: player models, bullets, effects, the local player and its weapon.
#pragma once
#include <cstdint>
#include <vector>

#include "world/geom_object.h"

// The two muzzle-flash models of one player (side and top view) and the time of its last shot.
struct tmuzzlemodels {
    tgeomobject side;
    tgeomobject top;
    uint32_t startTime = 0;
};

struct PlayState {
    // One model per player index, in the player tables' order; created as players appear.
    std::vector<tgeomobject> playerModels;
    std::vector<tmuzzlemodels> muzzleModels;
};
