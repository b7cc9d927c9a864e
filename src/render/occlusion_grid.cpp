#include "render/occlusion_grid.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr int32_t kCellWidth = 8, kCellHeight = 16;  // pixels
// A box is tried a band of rows of cells at a time, every few bands first.
constexpr int32_t kBandRows = 2;
constexpr int32_t kBandStride = 4;
// Room left around every box and outline edge, in pixels, for rasterisation rules and rounding.
constexpr float kEdgeMargin = 1.0f;
// An occludee must lie this much farther back in normalised depth: some 80 steps of a 24-bit
// depth buffer, so no rounding there can let its pixels through.
constexpr float kDepthMargin = 1e-5f;
constexpr float kPi = 3.14159265358979f;

// The cell holding `at` pixels, of cells `size` pixels long, kept within [0, high]. Clamped first,
// the value is never negative, so converting it rounds down.
int32_t CellBelow(float at, int32_t size, int32_t high) {
    return static_cast<int32_t>(
        std::clamp(at / static_cast<float>(size), 0.0f, static_cast<float>(high)));
}

// The first cell boundary at or after `at` pixels, as a cell index within [0, high].
int32_t CellAbove(float at, int32_t size, int32_t high) {
    return high - CellBelow(static_cast<float>(high * size) - at, size, high);
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
    return right->x - left->x >= static_cast<float>(cells * kCellWidth) &&
           high->y - low->y >= static_cast<float>(cells * kCellHeight);
}

// The cell `at` falls in, of `count`.
int32_t CellOf(float at, int32_t size, int32_t count) {
    return CellBelow(at, size, count - 1);
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

// Twice the area on screen of the polygon of `count` corners that `corner` (index) returns, in
// order: positive when they run counter-clockwise (y up).
template <typename Corner>
float TwiceArea(size_t count, const Corner& corner) {
    float sum = 0;
    for (size_t i = 0; i < count; ++i) {
        const ScreenPoint a = corner(i), b = corner((i + 1) % count);
        sum += a.x * b.y - b.x * a.y;
    }
    return sum;
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
    return FromClip({m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
                     m[2] * x + m[6] * y + m[10] * z + m[14],
                     m[3] * x + m[7] * y + m[11] * z + m[15]});
}

ScreenPoint ViewProjection::FromClip(const ClipPoint& clip) const {
    const float inverseW = 1 / clip[3];
    return {(clip[0] * inverseW + 1) * 0.5f * width, (clip[1] * inverseW + 1) * 0.5f * height,
            clip[2] * inverseW};
}

void OcclusionGrid::Reset(int32_t width, int32_t height) {
    columns_ = std::max(0, (width + kCellWidth - 1) / kCellWidth);
    rows_ = std::max(0, (height + kCellHeight - 1) / kCellHeight);
    coverDepth_.assign(static_cast<size_t>(columns_) * static_cast<size_t>(rows_),
                       std::numeric_limits<float>::infinity());
}

void OcclusionGrid::AddOccluder(std::span<const ScreenPoint> outline) {
    if (outline.size() < 3 || !AllFinite(outline)) return;
    // One too small to cover two cells across and up is not worth the rows.
    if (!SpansCells(outline, 2)) return;
    const float area = TwiceArea(outline.size(), [&](size_t i) { return outline[i]; });
    if (area == 0) return;

    // Split the outline at its lowest and highest corners into a left and a right chain, each
    // running upward: counter-clockwise from the bottom is the right side.
    const size_t n = outline.size();
    const size_t bottom =
        static_cast<size_t>(std::min_element(outline.begin(), outline.end(),
                                             [](const ScreenPoint& a, const ScreenPoint& b) {
                                                 return a.y < b.y || (a.y == b.y && a.x < b.x);
                                             }) -
                            outline.begin());
    const size_t top =
        static_cast<size_t>(std::max_element(outline.begin(), outline.end(),
                                             [](const ScreenPoint& a, const ScreenPoint& b) {
                                                 return a.y < b.y || (a.y == b.y && a.x > b.x);
                                             }) -
                            outline.begin());
    const size_t forward = 1, backward = n - 1;
    const auto walk = [&](std::vector<ScreenPoint>& chain, size_t step) {
        chain.clear();
        for (size_t i = bottom;; i = (i + step) % n) {
            chain.push_back(outline[i]);
            if (i == top) break;
        }
    };
    walk(right_, area > 0 ? forward : backward);
    walk(left_, area > 0 ? backward : forward);
    const float lowest = outline[bottom].y, highest = outline[top].y;

    // A convex shape's left edge bulges outward, so over a band of rows its inner limit is at the
    // band's top or bottom row; likewise the right edge. The solid's front surface curves toward
    // the camera, so along a row it lies no deeper than where the row meets the outline: within
    // the band, no deeper than the outline anywhere between the band's top and bottom.
    size_t leftBelow = 0, leftAbove = 0, rightBelow = 0, rightAbove = 0;
    const int32_t firstRow = CellBelow(lowest, kCellHeight, rows_);
    for (int32_t row = firstRow; row < rows_; ++row) {
        const float below = static_cast<float>(row * kCellHeight) - kEdgeMargin;
        const float above = static_cast<float>((row + 1) * kCellHeight) + kEdgeMargin;
        if (above >= highest) break;
        if (below <= lowest) continue;
        const ScreenPoint leftLow = ChainAt(left_, below, leftBelow);
        const ScreenPoint leftHigh = ChainAt(left_, above, leftAbove);
        const ScreenPoint rightLow = ChainAt(right_, below, rightBelow);
        const ScreenPoint rightHigh = ChainAt(right_, above, rightAbove);
        const float inLeft = std::max(leftLow.x, leftHigh.x);
        const float inRight = std::min(rightLow.x, rightHigh.x);
        const int32_t firstColumn = CellAbove(inLeft + kEdgeMargin, kCellWidth, columns_);
        const int32_t endColumn = CellBelow(inRight - kEdgeMargin, kCellWidth, columns_);
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

bool OcclusionGrid::CentreShows(std::span<const ScreenPoint> corners, float depth) const {
    float x = 0, y = 0;
    for (const ScreenPoint& p : corners) {
        x += p.x;
        y += p.y;
    }
    const auto count = static_cast<float>(corners.size());
    // Off the grid, the nearest cell is still one the box reaches into.
    const int32_t column = CellOf(x / count, kCellWidth, columns_);
    const int32_t row = CellOf(y / count, kCellHeight, rows_);
    return !(coverDepth_[static_cast<size_t>(row * columns_ + column)] < depth - kDepthMargin);
}

OcclusionGrid::CellRange OcclusionGrid::CellsUnder(const ScreenBox& box) const {
    return {CellOf(box.left - kEdgeMargin, kCellWidth, columns_),
            CellOf(box.right + kEdgeMargin, kCellWidth, columns_),
            CellOf(box.low - kEdgeMargin, kCellHeight, rows_),
            CellOf(box.high + kEdgeMargin, kCellHeight, rows_)};
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
    if (CentreShows(corners, flat ? box.farthest : nearest)) return false;
    const auto [firstColumn, lastColumn, firstRow, lastRow] = CellsUnder(box);
    const PolygonBands bands(flat ? corners : std::span<const ScreenPoint>{});
    // Whether the cells of rows [lowRow, highRow] that the box, or the polygon's part there,
    // reaches into are covered nearer than it comes there.
    const auto covered = [&](int32_t lowRow, int32_t highRow, int32_t fromColumn, int32_t toColumn,
                             float depth) {
        for (int32_t row = lowRow; row <= highRow; ++row) {
            for (int32_t column = fromColumn; column <= toColumn; ++column) {
                if (!(coverDepth_[static_cast<size_t>(row * columns_ + column)] <
                      depth - kDepthMargin))
                    return false;
            }
        }
        return true;
    };
    const auto bandHidden = [&](int32_t lowRow, int32_t highRow) {
        // Covered across the whole box nearer than its nearest corner: no need to look closer.
        if (covered(lowRow, highRow, firstColumn, lastColumn, nearest)) return true;
        if (!flat) return false;
        // Otherwise only the polygon's own part in these rows counts, at the nearest it comes.
        const BandPart part =
            bands.Within(static_cast<float>(lowRow * kCellHeight) - kEdgeMargin,
                         static_cast<float>((highRow + 1) * kCellHeight) + kEdgeMargin);
        if (part.left > part.right) return true;
        return covered(lowRow, highRow,
                       std::max(firstColumn, CellOf(part.left - kEdgeMargin, kCellWidth, columns_)),
                       std::min(lastColumn, CellOf(part.right + kEdgeMargin, kCellWidth, columns_)),
                       part.nearest);
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
    // Clip coordinates run evenly with position: each rim point's are the bottom centre's plus
    // multiples of the matrix's columns for x, z and, up to the top rim, y.
    const float* m = view.matrix;
    ClipPoint centre, across, along, up;
    for (size_t k = 0; k < 4; ++k) {
        centre[k] = m[k] * bounds.x + m[4 + k] * bounds.bottom + m[8 + k] * bounds.z + m[12 + k];
        across[k] = m[k] * bounds.radius;
        along[k] = m[8 + k] * bounds.radius;
        up[k] = m[4 + k] * (bounds.top - bounds.bottom);
    }
    for (int32_t i = 0; i <= segments; ++i) {
        const auto [cosine, sine] = directions[static_cast<size_t>(i % segments)];
        ClipPoint bottom, top;
        for (size_t k = 0; k < 4; ++k) {
            bottom[k] = centre[k] + cosine * across[k] + sine * along[k];
            top[k] = bottom[k] + up[k];
        }
        rims.push_back(view.FromClip(bottom));
        rims.push_back(view.FromClip(top));
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

namespace {

// The outline on screen of a prism inside the cylinder drawn with these projected rims: its
// corners in order around it. Empty when it cannot be told.
void OutlineInside(std::span<const ScreenPoint> rims, std::vector<ScreenPoint>& outline) {
    outline.clear();
    // Every other corner of a polygon of many sides spans a prism inside the one drawn: its
    // outline has half the corners, and the pixels within it are still all the cylinder's own.
    const size_t sides = rims.size() >= 2 ? rims.size() / 2 - 1 : 0;
    const size_t every = sides >= 8 && sides % 2 == 0 ? 2 : 1;
    const size_t count = sides / every;
    if (count < 3) return;
    const auto bottom = [&](size_t j) { return rims[2 * ((j % count) * every)]; };
    const auto top = [&](size_t j) { return rims[2 * ((j % count) * every) + 1]; };

    // The outline of a convex solid runs along the edges between the faces turned toward the
    // camera and those turned away. The prism's front sides form one unbroken run [first, end).
    thread_local std::vector<uint8_t> front;
    front.resize(count);
    for (size_t j = 0; j < count; ++j)
        front[j] = FacingArea(top(j), top(j + 1), bottom(j + 1), bottom(j)) > 0;
    size_t first = count, end = count, runs = 0;
    for (size_t j = 0; j < count; ++j) {
        const bool before = front[(j + count - 1) % count];
        if (front[j] && !before) first = j, ++runs;
        if (!front[j] && before) end = j;
    }
    // A cap faces the camera when its corners run counter-clockwise in the order its triangles
    // wind them: the top's against the sides' order, the bottom's along it.
    const bool topFaces = TwiceArea(count, top) < 0;
    const bool bottomFaces = TwiceArea(count, bottom) > 0;
    if (runs == 0) {
        // No side faces the camera: it looks along the axis, and one cap's rim is the outline.
        if (topFaces == bottomFaces) return;
        for (size_t j = 0; j < count; ++j) outline.push_back(topFaces ? top(j) : bottom(j));
        return;
    }
    // Noise about a side seen edge-on could break the run; such a cylinder is left out.
    if (runs != 1 || end == count) return;
    // A rim's edges on the outline are those of the sides turned the other way from its cap:
    // the front run's corners [first, end] or the back run's [end, first], counted on around.
    const auto arc = [&](bool capFaces) {
        return capFaces ? std::pair(end, first + (first < end ? count : 0))
                        : std::pair(first, end + (end < first ? count : 0));
    };
    const auto [from, to] = arc(bottomFaces);
    for (size_t j = from; j <= to; ++j) outline.push_back(bottom(j));
    // Up the side at `to`, then along the top rim back to `from`, whichever run it follows.
    const auto [topFrom, topTo] = arc(topFaces);
    if (topFrom == from) {
        for (size_t j = to + 1; j-- > from;) outline.push_back(top(j));
    } else {
        for (size_t j = topFrom; j <= topTo; ++j) outline.push_back(top(j));
    }
}

}  // namespace

void AddCylinderOccluder(OcclusionGrid& grid, std::span<const ScreenPoint> rims) {
    thread_local std::vector<ScreenPoint> outline;
    OutlineInside(rims, outline);
    // Past the far plane it would be clipped open.
    if (std::all_of(outline.begin(), outline.end(),
                    [](const ScreenPoint& p) { return p.depth < 1; }))
        grid.AddOccluder(outline);
}
