#include "render/occlusion_grid.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr int32_t kCellSize = 8;  // pixels a side
// A box is tried a band of rows of cells at a time, every few bands first.
constexpr int32_t kBandRows = 4;
constexpr int32_t kBandStride = 4;
// Room left around every box and hull edge, in pixels, for rasterisation rules and rounding.
constexpr float kEdgeMargin = 1.0f;
// An occludee must lie this much farther back in normalised depth: some 80 steps of a 24-bit
// depth buffer, so no rounding there can let its pixels through.
constexpr float kDepthMargin = 1e-5f;
constexpr float kPi = 3.14159265358979f;

// The whole number `at` rounds to, kept within [low, high] before it is converted.
int32_t ClampedToCells(float at, int32_t low, int32_t high) {
    return static_cast<int32_t>(std::clamp(at, static_cast<float>(low), static_cast<float>(high)));
}

bool AllFinite(std::span<const ScreenPoint> points) {
    return std::all_of(points.begin(), points.end(), [](const ScreenPoint& p) {
        return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.depth);
    });
}

// Whether the points reach at least `cells` cells across and up.
bool SpansCells(std::span<const ScreenPoint> points, int32_t cells) {
    const auto [left, right] = std::minmax_element(
        points.begin(), points.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
    const auto [low, high] = std::minmax_element(
        points.begin(), points.end(), [](const auto& a, const auto& b) { return a.y < b.y; });
    const auto span = static_cast<float>(cells * kCellSize);
    return right->x - left->x >= span && high->y - low->y >= span;
}

// The cell `at` falls in, of `count`.
int32_t CellOf(float at, int32_t count) {
    return ClampedToCells(std::floor(at / kCellSize), 0, count - 1);
}

ScreenBox BoxAround(std::span<const ScreenPoint> corners) {
    ScreenBox box{corners[0].x, corners[0].x,     corners[0].y,
                  corners[0].y, corners[0].depth, corners[0].depth};
    for (const ScreenPoint& p : corners) {
        box.left = std::min(box.left, p.x);
        box.right = std::max(box.right, p.x);
        box.low = std::min(box.low, p.y);
        box.high = std::max(box.high, p.y);
        box.nearest = std::min(box.nearest, p.depth);
        box.farthest = std::max(box.farthest, p.depth);
    }
    return box;
}

float Cross(const ScreenPoint& o, const ScreenPoint& a, const ScreenPoint& b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// Andrew's monotone chain: the convex hull, counter-clockwise with y up, without collinear points.
void ConvexHull(std::span<const ScreenPoint> points, std::vector<ScreenPoint>& sorted,
                std::vector<ScreenPoint>& hull) {
    sorted.assign(points.begin(), points.end());
    std::sort(sorted.begin(), sorted.end(), [](const ScreenPoint& a, const ScreenPoint& b) {
        return a.x < b.x || (a.x == b.x && a.y < b.y);
    });
    hull.assign(2 * sorted.size(), {});
    size_t size = 0;
    for (const ScreenPoint& p : sorted) {
        while (size >= 2 && Cross(hull[size - 2], hull[size - 1], p) <= 0) --size;
        hull[size++] = p;
    }
    const size_t lowerSize = size + 1;
    for (size_t i = sorted.size(); i-- > 1;) {
        const ScreenPoint& p = sorted[i - 1];
        while (size >= lowerSize && Cross(hull[size - 2], hull[size - 1], p) <= 0) --size;
        hull[size++] = p;
    }
    hull.resize(size > 1 ? size - 1 : size);
}

// The part of a convex polygon between two heights: how far it reaches left and right, and how
// near it comes. Empty (left > right) when it misses them.
struct BandPart {
    float left = std::numeric_limits<float>::infinity();
    float right = -std::numeric_limits<float>::infinity();
    float nearest = std::numeric_limits<float>::infinity();
};

// A polygon's edges, each from its lower end, ready to be cut at any height: on screen both x and
// depth run evenly along an edge.
class PolygonBands {
  public:
    explicit PolygonBands(std::span<const ScreenPoint> polygon) {
        for (size_t i = 0; i < polygon.size() && count_ < edges_.size(); ++i) {
            ScreenPoint a = polygon[i], b = polygon[(i + 1) % polygon.size()];
            if (b.y < a.y) std::swap(a, b);
            const float rise = b.y - a.y;
            const float dx = rise > 0 ? (b.x - a.x) / rise : 0;
            const float dz = rise > 0 ? (b.depth - a.depth) / rise : 0;
            // A level edge counts at both its ends.
            if (rise > 0) {
                edges_[count_++] = {a.y, b.y, a.x, dx, a.depth, dz};
            } else {
                edges_[count_++] = {a.y, a.y, a.x, 0, a.depth, 0};
                if (count_ < edges_.size()) edges_[count_++] = {b.y, b.y, b.x, 0, b.depth, 0};
            }
        }
    }

    BandPart Within(float low, float high) const {
        BandPart part;
        for (size_t i = 0; i < count_; ++i) {
            const Edge& e = edges_[i];
            const float from = std::max(low, e.low), to = std::min(high, e.high);
            if (from > to) continue;
            for (const float y : {from, to}) {
                const float x = e.x + e.dx * (y - e.low);
                part.left = std::min(part.left, x);
                part.right = std::max(part.right, x);
                part.nearest = std::min(part.nearest, e.depth + e.dz * (y - e.low));
            }
        }
        return part;
    }

  private:
    struct Edge {
        float low = 0, high = 0, x = 0, dx = 0, depth = 0, dz = 0;
    };
    std::array<Edge, 8> edges_{};
    size_t count_ = 0;
};

// Where the y-monotone `chain` crosses height `y`, for y strictly between its ends, and how deep
// it lies there; `cursor` only moves forward, so a caller asking at rising heights walks the
// chain once.
ScreenPoint ChainAt(const std::vector<ScreenPoint>& chain, float y, size_t& cursor) {
    while (cursor + 2 < chain.size() && chain[cursor + 1].y < y) ++cursor;
    const ScreenPoint& a = chain[cursor];
    const ScreenPoint& b = chain[cursor + 1];
    const float rise = b.y - a.y;
    if (!(rise > 0)) return a.x < b.x ? a : b;
    const float t = (y - a.y) / rise;
    return {a.x + (b.x - a.x) * t, y, a.depth + (b.depth - a.depth) * t};
}

// The deepest corner of the chain after `cursor` and below height `y`.
float DeepestCornerBelow(const std::vector<ScreenPoint>& chain, size_t cursor, float y) {
    float deepest = -std::numeric_limits<float>::infinity();
    for (size_t i = cursor + 1; i < chain.size() && chain[i].y < y; ++i)
        deepest = std::max(deepest, chain[i].depth);
    return deepest;
}

}  // namespace

ScreenPoint ViewProjection::Project(float x, float y, float z) const {
    const float* m = matrix;
    const float clipX = m[0] * x + m[4] * y + m[8] * z + m[12];
    const float clipY = m[1] * x + m[5] * y + m[9] * z + m[13];
    const float clipZ = m[2] * x + m[6] * y + m[10] * z + m[14];
    const float clipW = m[3] * x + m[7] * y + m[11] * z + m[15];
    const float inverseW = 1 / clipW;
    return {(clipX * inverseW + 1) * 0.5f * width, (clipY * inverseW + 1) * 0.5f * height,
            clipZ * inverseW};
}

void OcclusionGrid::Reset(int32_t width, int32_t height) {
    columns_ = std::max(0, (width + kCellSize - 1) / kCellSize);
    rows_ = std::max(0, (height + kCellSize - 1) / kCellSize);
    coverDepth_.assign(static_cast<size_t>(columns_) * static_cast<size_t>(rows_),
                       std::numeric_limits<float>::infinity());
}

void OcclusionGrid::AddOccluder(std::span<const ScreenPoint> corners) {
    if (corners.size() < 3 || !AllFinite(corners)) return;
    // One too small to cover two cells across or up is not worth its hull.
    if (!SpansCells(corners, 2)) return;
    ConvexHull(corners, sorted_, hull_);
    if (hull_.size() < 3) return;

    // Split the hull at its lowest and highest corners into a left and a right chain, each
    // running upward: counter-clockwise from the bottom is the right side.
    const auto lowerThan = [](const ScreenPoint& a, const ScreenPoint& b) {
        return a.y < b.y || (a.y == b.y && a.x < b.x);
    };
    const size_t n = hull_.size();
    const size_t bottom = static_cast<size_t>(
        std::min_element(hull_.begin(), hull_.end(), lowerThan) - hull_.begin());
    const size_t top =
        static_cast<size_t>(std::max_element(hull_.begin(), hull_.end(),
                                             [](const ScreenPoint& a, const ScreenPoint& b) {
                                                 return a.y < b.y || (a.y == b.y && a.x > b.x);
                                             }) -
                            hull_.begin());
    right_.clear();
    for (size_t i = bottom;; i = (i + 1) % n) {
        right_.push_back(hull_[i]);
        if (i == top) break;
    }
    left_.clear();
    for (size_t i = bottom;; i = (i + n - 1) % n) {
        left_.push_back(hull_[i]);
        if (i == top) break;
    }
    const float lowest = hull_[bottom].y, highest = hull_[top].y;

    // A convex shape's left edge bulges outward, so over a band of rows its inner limit is at the
    // band's top or bottom row; likewise the right edge. The solid's front surface curves toward
    // the camera, so along a row it lies no deeper than where the row meets the outline: within
    // the band, no deeper than the outline anywhere between the band's top and bottom.
    size_t leftBelow = 0, leftAbove = 0, rightBelow = 0, rightAbove = 0;
    const int32_t firstRow = ClampedToCells(lowest / kCellSize, 0, rows_);
    for (int32_t row = firstRow; row < rows_; ++row) {
        const float below = static_cast<float>(row * kCellSize) - kEdgeMargin;
        const float above = static_cast<float>((row + 1) * kCellSize) + kEdgeMargin;
        if (above >= highest) break;
        if (below <= lowest) continue;
        const ScreenPoint leftLow = ChainAt(left_, below, leftBelow);
        const ScreenPoint leftHigh = ChainAt(left_, above, leftAbove);
        const ScreenPoint rightLow = ChainAt(right_, below, rightBelow);
        const ScreenPoint rightHigh = ChainAt(right_, above, rightAbove);
        const float inLeft = std::max(leftLow.x, leftHigh.x);
        const float inRight = std::min(rightLow.x, rightHigh.x);
        const int32_t firstColumn =
            ClampedToCells(std::ceil((inLeft + kEdgeMargin) / kCellSize), 0, columns_);
        const int32_t endColumn =
            ClampedToCells(std::floor((inRight - kEdgeMargin) / kCellSize), 0, columns_);
        if (firstColumn >= endColumn) continue;
        const float depth = std::max({leftLow.depth, leftHigh.depth, rightLow.depth,
                                      rightHigh.depth, DeepestCornerBelow(left_, leftBelow, above),
                                      DeepestCornerBelow(right_, rightBelow, above)});
        for (int32_t column = firstColumn; column < endColumn; ++column) {
            float& cell = coverDepth_[static_cast<size_t>(row * columns_ + column)];
            cell = std::min(cell, depth);
        }
    }
}

bool OcclusionGrid::CoversAny(std::span<const ScreenPoint> corners) const {
    if (corners.empty() || columns_ == 0 || rows_ == 0 || !AllFinite(corners)) return false;
    const ScreenBox box = BoxAround(corners);
    const CellRange cells = CellsUnder(box);
    for (int32_t row = cells.firstRow; row <= cells.lastRow; ++row) {
        for (int32_t column = cells.firstColumn; column <= cells.lastColumn; ++column) {
            if (coverDepth_[static_cast<size_t>(row * columns_ + column)] < box.farthest)
                return true;
        }
    }
    return false;
}

OcclusionGrid::CellRange OcclusionGrid::CellsUnder(const ScreenBox& box) const {
    return {CellOf(box.left - kEdgeMargin, columns_), CellOf(box.right + kEdgeMargin, columns_),
            CellOf(box.low - kEdgeMargin, rows_), CellOf(box.high + kEdgeMargin, rows_)};
}

bool OcclusionGrid::Hides(std::span<const ScreenPoint> corners) const {
    return HidesBox(corners, false);
}

bool OcclusionGrid::HidesFlat(std::span<const ScreenPoint> corners) const {
    return HidesBox(corners, true);
}

bool OcclusionGrid::HidesBox(std::span<const ScreenPoint> corners, bool flat) const {
    if (corners.empty() || columns_ == 0 || rows_ == 0 || !AllFinite(corners)) return false;
    const ScreenBox box = BoxAround(corners);
    const float nearest = box.nearest;
    const auto [firstColumn, lastColumn, firstRow, lastRow] = CellsUnder(box);
    const PolygonBands bands(flat ? corners : std::span<const ScreenPoint>{});
    // Whether the cells of rows [lowRow, highRow] that the box, or the polygon's part there,
    // reaches into are covered nearer than it comes there.
    const auto bandHidden = [&](int32_t lowRow, int32_t highRow) {
        int32_t fromColumn = firstColumn, toColumn = lastColumn;
        float nearestHere = nearest;
        if (flat) {
            const BandPart part =
                bands.Within(static_cast<float>(lowRow * kCellSize) - kEdgeMargin,
                             static_cast<float>((highRow + 1) * kCellSize) + kEdgeMargin);
            if (part.left > part.right) return true;
            fromColumn = std::max(fromColumn, CellOf(part.left - kEdgeMargin, columns_));
            toColumn = std::min(toColumn, CellOf(part.right + kEdgeMargin, columns_));
            nearestHere = part.nearest;
        }
        for (int32_t row = lowRow; row <= highRow; ++row) {
            for (int32_t column = fromColumn; column <= toColumn; ++column) {
                if (!(coverDepth_[static_cast<size_t>(row * columns_ + column)] <
                      nearestHere - kDepthMargin))
                    return false;
            }
        }
        return true;
    };
    // Most of what is asked about shows somewhere: every few bands first, to find out soon.
    const int32_t bandCount = (lastRow - firstRow) / kBandRows + 1;
    for (const int32_t start : {0, 1}) {
        for (int32_t band = 0; band < bandCount; ++band) {
            if ((band % kBandStride == 0) != (start == 0)) continue;
            const int32_t lowRow = firstRow + band * kBandRows;
            if (!bandHidden(lowRow, std::min(lastRow, lowRow + kBandRows - 1))) return false;
        }
    }
    return true;
}

namespace {

// Twice the area on screen of a side wound as the cylinders' are (top edge first, around the
// axis): positive when it faces the camera, counter-clockwise as the views cull.
float FacingArea(const ScreenPoint& top0, const ScreenPoint& top1, const ScreenPoint& bottom1,
                 const ScreenPoint& bottom0) {
    return Cross(top0, top1, bottom1) + Cross(top0, bottom1, bottom0);
}

}  // namespace

std::array<ScreenPoint, 8> CylinderBox(const ViewProjection& view, const tcylinderbounds& bounds) {
    std::array<ScreenPoint, 8> corners;
    size_t n = 0;
    for (const float y : {bounds.bottom, bounds.top})
        for (const float x : {bounds.x - bounds.radius, bounds.x + bounds.radius})
            for (const float z : {bounds.z - bounds.radius, bounds.z + bounds.radius})
                corners[n++] = view.Project(x, y, z);
    return corners;
}

void ProjectCylinderRims(const ViewProjection& view, const tcylinderbounds& bounds,
                         int32_t segments, std::vector<ScreenPoint>& rims) {
    rims.clear();
    if (segments < 3) return;
    // As the tessellation places them: side i runs from angle i * step to (i + 1) * step. Every
    // cylinder of a level has as many sides, so the directions are worked out once.
    thread_local std::vector<std::pair<float, float>> directions;
    if (directions.size() != static_cast<size_t>(segments)) {
        directions.clear();
        const float step = 2 * kPi / static_cast<float>(segments);
        for (int32_t i = 0; i < segments; ++i)
            directions.emplace_back(std::cos(static_cast<float>(i) * step),
                                    std::sin(static_cast<float>(i) * step));
    }
    for (int32_t i = 0; i <= segments; ++i) {
        const auto [cosine, sine] = directions[static_cast<size_t>(i % segments)];
        const float x = bounds.x + bounds.radius * cosine;
        const float z = bounds.z + bounds.radius * sine;
        rims.push_back(view.Project(x, bounds.bottom, z));
        rims.push_back(view.Project(x, bounds.top, z));
    }
}

void MarkHiddenSides(const OcclusionGrid& grid, std::span<const ScreenPoint> rims,
                     std::vector<uint8_t>& hidden) {
    const size_t sides = rims.size() >= 2 ? rims.size() / 2 - 1 : 0;
    hidden.assign(sides, 0);
    // The sides of a cylinder narrower than two cells could hide only slivers.
    if (!SpansCells(rims, 2)) return;
    for (size_t i = 0; i < sides; ++i) {
        const std::span<const ScreenPoint> side = rims.subspan(2 * i, 4);
        hidden[i] = FacingArea(side[1], side[3], side[2], side[0]) > 0 && grid.HidesFlat(side);
    }
}

void AddCylinderOccluder(OcclusionGrid& grid, std::span<const ScreenPoint> rims) {
    // Every other corner of a polygon of many sides spans a polygon inside it: half the points
    // for the hull, and the pixels still all the cylinder's own.
    thread_local std::vector<ScreenPoint> corners;
    corners.clear();
    const size_t sides = rims.size() >= 2 ? rims.size() / 2 - 1 : 0;
    const size_t every = sides >= 8 && sides % 2 == 0 ? 2 : 1;
    for (size_t i = 0; i < sides; i += every) {
        corners.push_back(rims[2 * i]);
        corners.push_back(rims[2 * i + 1]);
    }
    // Past the far plane it would be clipped open.
    if (std::all_of(corners.begin(), corners.end(),
                    [](const ScreenPoint& p) { return p.depth < 1; }))
        grid.AddOccluder(corners);
}
