#include "render/floor_rows.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace {

// Kept off both ends of the covered rows, for the rounding of the rasteriser.
constexpr int32_t kMarginRows = 2;

struct ClipPoint {
    float x, y, z, w;
};

ClipPoint Lerp(const ClipPoint& a, const ClipPoint& b, float t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t,
            a.w + (b.w - a.w) * t};
}

// A convex polygon of at most a few corners, kept on the stack: the floor's square gains at most
// one corner from each of the two planes it is clipped to.
template <typename Point>
struct SmallPolygon {
    std::array<Point, 8> corners{};
    size_t count = 0;

    void Add(const Point& p) {
        if (count < corners.size()) corners[count++] = p;
    }
    size_t size() const { return count; }
    const Point& operator[](size_t i) const { return corners[i]; }
};

// The part of the polygon where distance(point) >= 0.
template <typename Distance>
SmallPolygon<ClipPoint> ClipPolygon(const SmallPolygon<ClipPoint>& polygon, Distance distance) {
    SmallPolygon<ClipPoint> kept;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const ClipPoint& from = polygon[i];
        const ClipPoint& to = polygon[(i + 1) % polygon.size()];
        const float d0 = distance(from), d1 = distance(to);
        if (d0 >= 0) kept.Add(from);
        if ((d0 >= 0) != (d1 >= 0)) kept.Add(Lerp(from, to, d0 / (d0 - d1)));
    }
    return kept;
}

struct Point2 {
    float x, y;
};

// The heights at which the vertical line x = c runs inside the convex polygon.
std::optional<std::pair<float, float>> HeightsOnLine(const SmallPolygon<Point2>& polygon, float c) {
    float low = INFINITY, high = -INFINITY;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const Point2& p = polygon[i];
        const Point2& q = polygon[(i + 1) % polygon.size()];
        if ((p.x - c) * (q.x - c) > 0) continue;
        const float y = p.x == q.x ? p.y : p.y + (c - p.x) * (q.y - p.y) / (q.x - p.x);
        for (const float h : {y, p.x == q.x ? q.y : y}) {
            low = std::min(low, h);
            high = std::max(high, h);
        }
    }
    if (!(low <= high)) return std::nullopt;
    return std::pair{low, high};
}

}  // namespace

RowSpan FloorCoveredRows(const std::array<float, 16>& m, const std::array<int32_t, 4>& viewport,
                         float extent) {
    // The corners in the order the floor is drawn, front face counter-clockwise from above.
    SmallPolygon<ClipPoint> polygon;
    for (const auto& [x, z] : {std::pair{-extent, -extent}, std::pair{-extent, extent},
                               std::pair{extent, extent}, std::pair{extent, -extent}}) {
        polygon.Add({m[0] * x + m[8] * z + m[12], m[1] * x + m[9] * z + m[13],
                     m[2] * x + m[10] * z + m[14], m[3] * x + m[11] * z + m[15]});
    }
    polygon = ClipPolygon(polygon, [](const ClipPoint& p) { return p.z + p.w; });  // near
    polygon = ClipPolygon(polygon, [](const ClipPoint& p) { return p.w - p.z; });  // far
    SmallPolygon<Point2> onScreen;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const ClipPoint& p = polygon[i];
        if (!(p.w > 0)) return {};
        onScreen.Add({p.x / p.w, p.y / p.w});
    }
    if (onScreen.size() < 3) return {};
    float twiceArea = 0;
    for (size_t i = 0; i < onScreen.size(); ++i) {
        const Point2& p = onScreen[i];
        const Point2& q = onScreen[(i + 1) % onScreen.size()];
        twiceArea += p.x * q.y - q.x * p.y;
    }
    if (!(twiceArea > 0)) return {};  // seen from below, the floor is culled
    // Convex, so a row lies wholly inside where both of its ends do.
    const auto left = HeightsOnLine(onScreen, -1), right = HeightsOnLine(onScreen, 1);
    if (!left || !right) return {};
    const float low = std::max(left->first, right->first);
    const float high = std::min(left->second, right->second);
    const auto row = [&](float ndc) {
        return static_cast<float>(viewport[1]) + (ndc + 1) * 0.5f * static_cast<float>(viewport[3]);
    };
    const float firstRow = std::ceil(row(low)) + kMarginRows;
    const float lastRow = std::floor(row(high)) - 1 - kMarginRows;
    const auto top = static_cast<float>(viewport[1] + viewport[3] - 1);
    if (!(firstRow <= lastRow) || lastRow < static_cast<float>(viewport[1]) || firstRow > top)
        return {};
    return {static_cast<int32_t>(std::max(firstRow, static_cast<float>(viewport[1]))),
            static_cast<int32_t>(std::min(lastRow, top))};
}

RowSpan SkyRows(RowSpan covered, const std::array<int32_t, 4>& viewport) {
    const RowSpan whole{viewport[1], viewport[1] + viewport[3] - 1};
    if (covered.Empty()) return whole;
    const RowSpan above{covered.last + 1, whole.last};
    const RowSpan below{whole.first, covered.first - 1};
    if (!above.Empty() && !below.Empty()) return whole;
    return above.Empty() ? below : above;
}
