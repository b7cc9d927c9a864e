#include "world/collision_grid.h"

#include <algorithm>
#include <cmath>

#include "base/load_error.h"

namespace {

constexpr float kMargin = 20;
constexpr float kNominalCell = 5;
constexpr float kReachInCells = 1.4f;
// What a grid may cost: each cell is its record plus the smallest heap block of its list; the
// listed entries themselves are bounded by the number of distance tests.
constexpr double kGridMemoryBudget = 128.0 * 1024 * 1024;
constexpr double kBytesPerCell = sizeof(tcell) + 32;
constexpr double kMaxCells = kGridMemoryBudget / kBytesPerCell;
constexpr double kMaxCellTests = 32e6;

}  // namespace

void ArenaExtent::Include(const tcylinderbounds& cylinder) {
    minX = std::min(minX, cylinder.x - cylinder.radius);
    maxX = std::max(maxX, cylinder.x + cylinder.radius);
    minZ = std::min(minZ, cylinder.z - cylinder.radius);
    maxZ = std::max(maxZ, cylinder.z + cylinder.radius);
}

CollisionGrid BuildCollisionGrid(std::span<const tcylinderbounds> cylinderBounds,
                                 ArenaExtent extent, std::string_view fileName) {
    extent.minX -= kMargin;
    extent.maxX += kMargin;
    extent.minZ -= kMargin;
    extent.maxZ += kMargin;
    // nearbyint rounds halves to even in the default rounding mode.
    const float columns = std::nearbyint((extent.maxX - extent.minX) / kNominalCell);
    const float rows = std::nearbyint((extent.maxZ - extent.minZ) / kNominalCell);
    const double cells = static_cast<double>(columns) * static_cast<double>(rows);
    if (!std::isfinite(cells) || columns < 1 || rows < 1 || cells > kMaxCells ||
        cells * static_cast<double>(cylinderBounds.size()) > kMaxCellTests)
        ThrowFileError(fileName, "the map spans too large an area");

    CollisionGrid grid;
    grid.gridColumns = static_cast<int32_t>(columns);
    grid.gridRows = static_cast<int32_t>(rows);
    grid.gridCellSize = (extent.maxX - extent.minX) / columns;
    grid.gridOriginX = extent.minX + grid.gridCellSize / 2;
    grid.gridOriginZ = extent.minZ + grid.gridCellSize / 2;
    const float reach = kReachInCells * grid.gridCellSize;
    grid.rows.resize(static_cast<size_t>(grid.gridRows));
    for (int32_t i = 0; i < grid.gridRows; ++i) {
        auto& row = grid.rows[static_cast<size_t>(i)];
        row.resize(static_cast<size_t>(grid.gridColumns));
        for (int32_t j = 0; j < grid.gridColumns; ++j) {
            tcell& cell = row[static_cast<size_t>(j)];
            cell.centreX = grid.gridOriginX + kNominalCell * static_cast<float>(j);
            cell.centreZ = grid.gridOriginZ + kNominalCell * static_cast<float>(i);
            // The ground lies under every cell, however far from its centre the map stands.
            if (!cylinderBounds.empty()) cell.cylinders.push_back(0);
            for (size_t k = 1; k < cylinderBounds.size(); ++k) {
                const tcylinderbounds& c = cylinderBounds[k];
                const float dx = c.x - cell.centreX, dz = c.z - cell.centreZ;
                const float distance = std::sqrt(dx * dx + dz * dz);
                if (distance - c.radius - reach <= 0)
                    cell.cylinders.push_back(static_cast<int32_t>(k));
            }
        }
    }
    return grid;
}
