#include "world/tessellation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

tmodelvertex Vertex(tvec3 position, tvec3 normal, float s, float t, uint32_t colour) {
    return {position, normal, s, t, colour};
}

float AngleStep(const PrimitiveShape& shape) {
    return 2 * kPi / static_cast<float>(shape.around);
}

}  // namespace

int32_t CylinderTriangleCount(const PrimitiveShape& shape) {
    return 2 * shape.around;
}
int32_t CylinderQuadCount(const PrimitiveShape& shape) {
    return shape.around * shape.along;
}
int32_t SphereTriangleCount(const PrimitiveShape& shape) {
    return 2 * shape.around;
}
int32_t SphereQuadCount(const PrimitiveShape& shape) {
    return shape.around * std::max(shape.along - 2, 0);
}

void TessellateCylinder(const PrimitiveShape& shape, std::span<tmodelvertex> triangles,
                        std::span<tmodelvertex> quads) {
    const float step = AngleStep(shape);
    const float r = shape.radius, half = shape.height / 2;
    const float rowHeight = shape.height / static_cast<float>(shape.along);
    const uint32_t colour = shape.colour;
    const auto rim = [&](int32_t j, float y, tvec3 normal) {
        const float a = static_cast<float>(j) * step;
        return Vertex({r * std::cos(a), y, r * std::sin(a)}, normal, 0.5f + 0.5f * std::cos(a),
                      0.5f + 0.5f * std::sin(a), colour);
    };
    const tvec3 up{0, 1, 0}, down{0, -1, 0};
    auto tri = triangles.begin();
    for (int32_t i = 0; i < shape.around; ++i) {
        *tri++ = rim(i, half, up);
        *tri++ = Vertex({0, half, 0}, up, 0.5f, 0.5f, colour);
        *tri++ = rim(i + 1, half, up);
        *tri++ = rim(i + 1, -half, down);
        *tri++ = Vertex({0, -half, 0}, down, 0.5f, 0.5f, colour);
        *tri++ = rim(i, -half, down);
    }
    const auto side = [&](int32_t j, int32_t m) {
        const float a = static_cast<float>(j) * step;
        const float t = shape.height != 0 ? static_cast<float>(m) * rowHeight / shape.height : 0;
        return Vertex({r * std::cos(a), half - static_cast<float>(m) * rowHeight, r * std::sin(a)},
                      {std::cos(a), 0, std::sin(a)}, a / kPi + 0.5f, t, colour);
    };
    auto quad = quads.begin();
    for (int32_t i = 0; i < shape.around; ++i) {
        for (int32_t k = 0; k < shape.along; ++k) {
            *quad++ = side(i, k);
            *quad++ = side(i + 1, k);
            *quad++ = side(i + 1, k + 1);
            *quad++ = side(i, k + 1);
        }
    }
}

void TessellateSphere(const PrimitiveShape& shape, std::span<tmodelvertex> triangles,
                      std::span<tmodelvertex> quads) {
    const float step = AngleStep(shape);
    const float latitude = kPi / static_cast<float>(shape.along);
    const float r = shape.radius, half = shape.height / 2;
    const uint32_t colour = shape.colour;
    // Point at longitude j and latitude m, counted from the +Y pole.
    const auto point = [&](int32_t j, int32_t m) {
        const float a = static_cast<float>(j) * step, p = static_cast<float>(m) * latitude;
        const float ring = std::sin(p);
        return Vertex({r * ring * std::cos(a), half * std::cos(p), r * ring * std::sin(a)},
                      {ring * std::cos(a), std::cos(p), ring * std::sin(a)},
                      0.5f + 0.5f * ring * std::cos(a), 0.5f + 0.5f * ring * std::sin(a), colour);
    };
    const auto mirrored = [&](int32_t j) {
        tmodelvertex v = point(j, 1);
        v.position.y = -v.position.y;
        v.normal.y = -v.normal.y;
        return v;
    };
    auto tri = triangles.begin();
    for (int32_t i = 0; i < shape.around; ++i) {
        *tri++ = point(i, 1);
        *tri++ = Vertex({0, half, 0}, {0, 1, 0}, 0.5f, 0.5f, colour);
        *tri++ = point(i + 1, 1);
        *tri++ = mirrored(i + 1);
        *tri++ = Vertex({0, -half, 0}, {0, -1, 0}, 0.5f, 0.5f, colour);
        *tri++ = mirrored(i);
    }
    auto quad = quads.begin();
    for (int32_t i = 0; i < shape.around; ++i) {
        for (int32_t m = 1; m <= shape.along - 2; ++m) {
            *quad++ = point(i, m);
            *quad++ = point(i + 1, m);
            *quad++ = point(i + 1, m + 1);
            *quad++ = point(i, m + 1);
        }
    }
}

void BakePose(std::span<tmodelvertex> vertices, const tmatrix* rotation, tvec3 shift) {
    for (tmodelvertex& v : vertices) {
        if (rotation) {
            TransformPoint(v.position, *rotation);
            TransformPoint(v.normal, *rotation);
        }
        v.position = v.position + shift;
    }
}
