// Which parts of a view the opaque cylinders drawn so far cover, cell by cell, and how far back.
// A cylinder wholly behind them would only have its pixels shaded for the depth test to throw
// away, so the cylinder pass leaves it out; the picture stays exactly the same.
//
// Positions are window pixels from the viewport's lower left corner; depth is in normalised device
// units, as the depth buffer compares them. Only solids wholly in front of the near plane and
// within the far one may be added or asked about.
#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "world/arena.h"

struct ScreenPoint {
    float x = 0, y = 0, depth = 0;
};

// A point under the matrix, before the division by w.
using ClipPoint = std::array<float, 4>;

// The current matrix (projection and camera in one, column-major) and the viewport's size.
struct ViewProjection {
    const float* matrix = nullptr;
    float width = 0, height = 0;

    ScreenPoint Project(float x, float y, float z) const;
    ScreenPoint FromClip(const ClipPoint& clip) const;
};

// What a set of screen points spans: across, up and in depth.
struct ScreenBox {
    float left = 0, right = 0, low = 0, high = 0, nearest = 0, farthest = 0;
};

class OcclusionGrid {
  public:
    // Forgets every occluder; the view is `width` x `height` pixels.
    void Reset(int32_t width, int32_t height);
    // An opaque convex solid is drawn whose outline on screen is this convex polygon (corners in
    // order, either way round): every cell lying well inside it is covered, no deeper than the
    // outline reaches over the cell's rows.
    void AddOccluder(std::span<const ScreenPoint> outline);
    // Whether every pixel of the screen box around `corners` is covered by occluders that lie
    // nearer than the nearest corner.
    bool Hides(std::span<const ScreenPoint> corners) const;
    // The same for a flat polygon, whose depth varies across the screen: in each row of cells only
    // the part of it there counts, and the occluders need only lie nearer than that part.
    bool HidesFlat(std::span<const ScreenPoint> corners) const;
    // Whether any cell the box around `corners` reaches into is covered nearer than its farthest
    // corner: if none is, nothing of it can be hidden.
    bool CoversAny(std::span<const ScreenPoint> corners) const;

  private:
    struct CellRange {
        int32_t firstColumn = 0, lastColumn = 0, firstRow = 0, lastRow = 0;
    };
    // The cells a box reaches into, with a margin, clamped to the grid.
    CellRange CellsUnder(const ScreenBox& box) const;
    bool HidesBox(std::span<const ScreenPoint> corners, bool flat) const;
    // Whether the cell under the corners' centre (which lies inside them), or the grid's cell
    // nearest it, is not covered nearer than `depth`: then they show there, whichever way they
    // are asked about.
    bool CentreShows(std::span<const ScreenPoint> corners, float depth) const;

    int32_t columns_ = 0, rows_ = 0;
    // Per cell, the least of the depths the occluders covering it whole reach to there.
    std::vector<float> coverDepth_;
    std::vector<ScreenPoint> left_, right_;  // scratch, reused across calls
};

// The corners of the cylinder's bounding box, projected: it lies within their hull.
std::array<ScreenPoint, 8> CylinderBox(const ViewProjection& view, const tcylinderbounds& bounds);
// The rims of the cylinder as drawn with `segments` sides, projected: bottom and top of side i at
// 2i and 2i + 1, and side 0's again at the end.
void ProjectCylinderRims(const ViewProjection& view, const tcylinderbounds& bounds,
                         int32_t segments, std::vector<ScreenPoint>& rims);
// For each side of the cylinder with these projected rims, in the order it is drawn, whether it
// faces the camera and the grid hides it.
void MarkHiddenSides(const OcclusionGrid& grid, std::span<const ScreenPoint> rims,
                     std::vector<uint8_t>& hidden);
// The cylinder with these projected rims is drawn closed and opaque, back faces culled: it hides
// what lies behind it.
void AddCylinderOccluder(OcclusionGrid& grid, std::span<const ScreenPoint> rims);
