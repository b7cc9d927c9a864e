// Where an upright arena cylinder lands on screen under one projection-and-camera matrix: the
// rectangle any of its pixels can fall in, the quadrilateral its own faces certainly cover, and
// how far along the line of sight it reaches. With them a frame leaves out the cylinders that lie
// off screen or wholly behind a single nearer one, without changing a pixel.
#pragma once
#include <array>
#include <cstdint>

#include "world/arena.h"

// A straight edge of a screen region: a point p (in pixels from the viewport's centre) lies
// inside when normalX * p.x + normalY * p.y >= offset.
struct ScreenEdge {
    float normalX = 0, normalY = 0, offset = 0;
};

struct CylinderFootprint {
    // Every corner of the bounding box lies in front of the camera; nothing below is set otherwise.
    bool inFront = false;
    // Pixels from the viewport's centre, clipped to the viewport; empty (left > right) when the
    // cylinder lies wholly off screen.
    float left = 0, right = 0, bottom = 0, top = 0;
    // Distances along the line of sight (clip w) bounding every point of the cylinder.
    float nearest = 0, farthest = 0;
    // Whether `coveredEdges` bound a region every pixel of which the cylinder's faces cover.
    bool covers = false;
    std::array<ScreenEdge, 4> coveredEdges{};
};

// The viewport's size in pixels and the column-major matrix that takes world points to clip
// coordinates.
struct ScreenProjection {
    const float* matrix = nullptr;
    float viewportWidth = 0, viewportHeight = 0;
};

// `segments`: the sides of the polygon the cylinder is drawn with (its corners on the radius).
CylinderFootprint ProjectCylinder(const ScreenProjection& projection, const tcylinderbounds& bounds,
                                  int32_t segments);

bool IsOffScreen(const CylinderFootprint& footprint);

// Whether every pixel `farther` could draw is one where `nearer` (drawn whole, not cut by the near
// plane, opaque) leaves a nearer fragment, so that the depth test would reject all of them.
bool HidesWholly(const CylinderFootprint& nearer, const CylinderFootprint& farther);
