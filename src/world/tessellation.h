// Tessellation of the two primitives models are made of, and the baking of one pose. Shapes are
// built in the part's local space, centred on the origin with the axis along Y.
#pragma once
#include <cstdint>
#include <span>

#include "world/geom_object.h"

struct PrimitiveShape {
    int32_t around = 1;  // segments about the axis, at least 1
    int32_t along = 1;   // rows along it (latitude steps pole to pole for a sphere), at least 1
    float radius = 0;
    float height = 0;
    uint32_t colour = 0;
};

// Elements one pose of a primitive needs.
int32_t CylinderTriangleCount(const PrimitiveShape& shape);
int32_t CylinderQuadCount(const PrimitiveShape& shape);
int32_t SphereTriangleCount(const PrimitiveShape& shape);
int32_t SphereQuadCount(const PrimitiveShape& shape);

// Fill exactly the counts above (3 vertices a triangle, 4 a quad). Triangles alternate top and
// bottom cap (pole fan) by segment; quads run by segment, then row from the top.
void TessellateCylinder(const PrimitiveShape& shape, std::span<tmodelvertex> triangles,
                        std::span<tmodelvertex> quads);
void TessellateSphere(const PrimitiveShape& shape, std::span<tmodelvertex> triangles,
                      std::span<tmodelvertex> quads);

// Turns positions and normals by `rotation` (if given), then moves positions by `shift`.
void BakePose(std::span<tmodelvertex> vertices, const tmatrix* rotation, tvec3 shift);
