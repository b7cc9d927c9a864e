#include "render/cylinder_footprint.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;
// Corners nearer than this to the camera's plane project too far out to trust.
constexpr float kMinDistance = 1e-3f;
// Pixels a hidden cylinder keeps inside the covered quadrilateral's edges: the rasteriser snaps
// vertices to its sub-pixel grid and our arithmetic rounds differently from the driver's.
constexpr float kCoverMargin = 2.0f;
// How far behind the hiding cylinder a hidden one must stay along the line of sight, well beyond
// what the depth buffer can still tell apart.
constexpr float kDepthMargin = 0.5f;

struct ClipPoint {
    float x = 0, y = 0, z = 0, w = 0;
};

ClipPoint Transform(const float* m, float x, float y, float z) {
    return {m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
            m[2] * x + m[6] * y + m[10] * z + m[14], m[3] * x + m[7] * y + m[11] * z + m[15]};
}

struct PixelPoint {
    float x = 0, y = 0;
};

PixelPoint ToPixels(const ScreenProjection& projection, const ClipPoint& point) {
    return {0.5f * projection.viewportWidth * point.x / point.w,
            0.5f * projection.viewportHeight * point.y / point.w};
}

// The rectangle through the axis, across the horizontal line of sight, as wide as the polygon's
// inscribed circle: it lies inside the drawn cylinder, so every ray from the camera through it
// enters the cylinder through a face turned towards the camera, which leaves its fragment there.
// Its projection is convex; its edges, turned inwards and moved in by the margin, are the region.
bool CoveredQuadrilateral(const ScreenProjection& projection, const tcylinderbounds& bounds,
                          int32_t segments, std::array<ScreenEdge, 4>& edges) {
    const float* m = projection.matrix;
    const float horizontal = std::hypot(m[3], m[11]);
    if (segments < 3 || horizontal < 1e-6f) return false;
    const float inscribed = bounds.radius * std::cos(kPi / static_cast<float>(segments));
    const float acrossX = -m[11] / horizontal * inscribed, acrossZ = m[3] / horizontal * inscribed;
    const std::array<PixelPoint, 4> corners{
        ToPixels(projection, Transform(m, bounds.x - acrossX, bounds.bottom, bounds.z - acrossZ)),
        ToPixels(projection, Transform(m, bounds.x + acrossX, bounds.bottom, bounds.z + acrossZ)),
        ToPixels(projection, Transform(m, bounds.x + acrossX, bounds.top, bounds.z + acrossZ)),
        ToPixels(projection, Transform(m, bounds.x - acrossX, bounds.top, bounds.z - acrossZ))};
    float twiceArea = 0;
    for (size_t i = 0; i < 4; ++i) {
        const PixelPoint& a = corners[i];
        const PixelPoint& b = corners[(i + 1) % 4];
        twiceArea += a.x * b.y - b.x * a.y;
    }
    if (std::fabs(twiceArea) < 1.0f) return false;
    const float turn = twiceArea > 0 ? 1.0f : -1.0f;
    for (size_t i = 0; i < 4; ++i) {
        const PixelPoint& a = corners[i];
        const PixelPoint& b = corners[(i + 1) % 4];
        const float length = std::hypot(b.x - a.x, b.y - a.y);
        if (length < 1e-3f) return false;
        const float normalX = -turn * (b.y - a.y) / length;
        const float normalY = turn * (b.x - a.x) / length;
        edges[i] = {normalX, normalY, normalX * a.x + normalY * a.y + kCoverMargin};
    }
    return true;
}

bool Inside(const std::array<ScreenEdge, 4>& edges, float x, float y) {
    return std::all_of(edges.begin(), edges.end(), [x, y](const ScreenEdge& edge) {
        return edge.normalX * x + edge.normalY * y >= edge.offset;
    });
}

}  // namespace

CylinderFootprint ProjectCylinder(const ScreenProjection& projection, const tcylinderbounds& bounds,
                                  int32_t segments) {
    CylinderFootprint footprint;
    footprint.left = footprint.bottom = INFINITY;
    footprint.right = footprint.top = -INFINITY;
    footprint.nearest = INFINITY;
    footprint.farthest = -INFINITY;
    bool beyondFarPlane = false;
    for (const float y : {bounds.bottom, bounds.top}) {
        for (const float dx : {-bounds.radius, bounds.radius}) {
            for (const float dz : {-bounds.radius, bounds.radius}) {
                const ClipPoint corner =
                    Transform(projection.matrix, bounds.x + dx, y, bounds.z + dz);
                if (!(corner.w > kMinDistance)) return {};
                beyondFarPlane = beyondFarPlane || corner.z > corner.w;
                const PixelPoint pixel = ToPixels(projection, corner);
                footprint.left = std::min(footprint.left, pixel.x);
                footprint.right = std::max(footprint.right, pixel.x);
                footprint.bottom = std::min(footprint.bottom, pixel.y);
                footprint.top = std::max(footprint.top, pixel.y);
                footprint.nearest = std::min(footprint.nearest, corner.w);
                footprint.farthest = std::max(footprint.farthest, corner.w);
            }
        }
    }
    footprint.inFront = true;
    const float halfWidth = 0.5f * projection.viewportWidth;
    const float halfHeight = 0.5f * projection.viewportHeight;
    footprint.left = std::max(footprint.left, -halfWidth);
    footprint.right = std::min(footprint.right, halfWidth);
    footprint.bottom = std::max(footprint.bottom, -halfHeight);
    footprint.top = std::min(footprint.top, halfHeight);
    // The far plane would cut the faces open.
    footprint.covers = !beyondFarPlane &&
                       CoveredQuadrilateral(projection, bounds, segments, footprint.coveredEdges);
    return footprint;
}

bool IsOffScreen(const CylinderFootprint& footprint) {
    return footprint.inFront &&
           (footprint.left > footprint.right || footprint.bottom > footprint.top);
}

bool HidesWholly(const CylinderFootprint& nearer, const CylinderFootprint& farther) {
    if (!nearer.inFront || !nearer.covers || !farther.inFront || IsOffScreen(farther) ||
        !(nearer.farthest + kDepthMargin < farther.nearest))
        return false;
    // A convex region holds the rectangle when it holds its corners.
    const auto& edges = nearer.coveredEdges;
    return Inside(edges, farther.left, farther.bottom) &&
           Inside(edges, farther.right, farther.bottom) &&
           Inside(edges, farther.left, farther.top) && Inside(edges, farther.right, farther.top);
}
