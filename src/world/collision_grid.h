// The collision grid: square cells over the arena, each listing the cylinders near enough to
// matter for anything inside it (the ground, entry 0, in every cell). Collision and bots look up
// a position's cell instead of testing every cylinder.
#pragma once
#include <span>
#include <string_view>

#include "world/arena.h"

struct ArenaExtent {
    float minX = 999999, maxX = -999999, minZ = 999999, maxZ = -999999;
    void Include(const tcylinderbounds& cylinder);
};

// Cells of about 5 units over `extent` widened by 20 on every side. Throws WorldLoadError naming
// `fileName` when the area would need an unreasonable number of cells.
CollisionGrid BuildCollisionGrid(std::span<const tcylinderbounds> cylinderBounds,
                                 ArenaExtent extent, std::string_view fileName);
