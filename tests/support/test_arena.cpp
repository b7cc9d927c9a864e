#include "support/test_arena.h"

#include <sstream>

#include "world/collision_grid.h"

namespace test_arena {

Arena SmallArena(const std::vector<ArenaCylinder>& cylinders) {
    Arena arena;
    arena.cylinderBounds = {kGroundBounds};
    ArenaExtent extent;
    for (const auto& [x, y, z, radius, height] : cylinders) {
        const tcylinderbounds bounds{x, y + height / 2, z, radius, y + height, y};
        arena.cylinderBounds.push_back(bounds);
        extent.Include(bounds);
    }
    if (cylinders.empty()) extent.Include({0, 0, 0, 1, 1, 0});
    arena.collisionGrid = BuildCollisionGrid(arena.cylinderBounds, extent, "test.map");
    return arena;
}

std::string SmallArenaMap(const std::vector<ArenaCylinder>& cylinders,
                          const std::vector<tcharger>& chargers) {
    std::ostringstream map;
    map << "players\n1\nx y z angle\n0 1.2 0 0\n";
    map << "chargers\n" << chargers.size() << "\nx y z respawn\n";
    for (const tcharger& c : chargers)
        map << c.x << " " << c.y << " " << c.z << " " << c.respawnInterval << "\n";
    map << "cylinders\n" << cylinders.size() << "\nx y z radius height\n";
    for (const ArenaCylinder& c : cylinders)
        map << c.x << " " << c.y << " " << c.z << " " << c.radius << " " << c.height << "\n";
    return map.str();
}

}  // namespace test_arena
