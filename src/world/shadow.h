// tshad: the small disc drawn under every player, shared by all of them; the renderer draws it
// as a fan from the centre to the rim points scaled by the player's shadow radius.
#pragma once
#include <vector>

#include "world/vec_math.h"

struct tshad {
    struct RimPoint {
        tvec3 point;   // unit circle in the floor plane
        tvec3 normal;  // straight up
    };

    explicit tshad(int segments);

    tvec3 centre;
    tvec3 centreNormal{0, 1, 0};
    std::vector<RimPoint> rim;
};
