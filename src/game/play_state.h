// PlayState: the players, bullets, effects, the local player and its weapon, and the events
// the rules reported.
#pragma once
#include <cstdint>
#include <vector>

#include "game/match_events.h"
#include "game/match_player.h"
#include "world/geom_object.h"

// The two muzzle-flash models of one player (side and top view).
struct tmuzzlemodels {
    tgeomobject side;
    tgeomobject top;
};

// Where a bullet ended and how its explosion quads are turned; it shows for 150 ms.
struct texplpos {
    tvec3 position;
    float pitch = 0;
    float sideYaw = 0;
    float topYaw = 0;
    uint32_t created = 0;
};

// The local player's gun: a magazine of 30 rounds, spare magazines, and a reload in progress.
struct WeaponState {
    int32_t magazineShots = 0;   // shots fired from the current magazine, 0..30
    int32_t spareMagazines = 5;  // full magazines left
    int32_t reloadDelay = 0;     // length of the reload in progress (ms), 0 when none
};

struct PlayState {
    // One record per player slot, in the server table's order; a player joins and leaves them
    // through the roster (game/roster.h), which keeps the muzzle models in step and reports the
    // seats the sound channels follow.
    std::vector<MatchPlayer> players;
    std::vector<tmuzzlemodels> muzzleModels;
    // Every bullet in flight, whoever fired it, in firing order.
    std::vector<tbullet> bullets;
    std::vector<texplpos> explosions;
    WeaponState weapon;
    // The local player's view pitch (degrees), strictly within +-45: arm, muzzle and aim follow it.
    float lookPitch = 0;
    // What happened since the frame loop last handed the events on.
    MatchEvents events;
};
