#include "world/geom_object.h"

#include <cctype>
#include <cmath>

std::string TruncateName(std::string_view name) {
    return std::string(name.substr(0, kShortNameLength));
}

std::span<const tmodelvertex> TriangleVertices(const tgeomobject& object) {
    if (!object.triangles) return {};
    return *object.triangles;
}

std::span<const tmodelvertex> QuadVertices(const tgeomobject& object) {
    if (!object.quads) return {};
    return *object.quads;
}

static bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

int32_t FindPart(const tgeomobject& object, std::string_view name) {
    for (size_t i = 0; i < object.triangleParts.size(); ++i) {
        if (SameNameIgnoringCase(object.triangleParts[i].name, name))
            return static_cast<int32_t>(i);
    }
    return -1;
}

int32_t FindAnimation(const tgeomobject& object, std::string_view name) {
    if (object.triangleParts.empty()) return -1;
    const auto& animations = object.triangleParts.front().animations;
    for (size_t i = 0; i < animations.size(); ++i) {
        if (SameNameIgnoringCase(animations[i].name, name)) return static_cast<int32_t>(i);
    }
    return -1;
}

static tvec3 PartPivot(const tmeshpart& part) {
    const auto frame = static_cast<size_t>(part.currentFrame);
    if (frame < part.frames.size()) return part.position + part.frames[frame].delta;
    return part.position;
}

// The placing rule without the final move to `position`.
static tvec3 TurnModelPoint(const tgeomobject& object, const tmeshpart& part, tvec3 point) {
    const tvec3 pivot = PartPivot(part);
    tvec3 local = point - pivot;
    TransformPoint(local, RotationX(part.pitch));
    const tvec3 pitched = local + pivot;
    const float yaw = DegToRad(object.yaw);
    const float c = std::cos(yaw), s = std::sin(yaw);
    return {pitched.x * c + pitched.z * s, pitched.y, -pitched.x * s + pitched.z * c};
}

tvec3 PlaceModelPoint(const tgeomobject& object, const tmeshpart& part, tvec3 point) {
    return TurnModelPoint(object, part, point) + object.position;
}

tvec3 BulletStartOffset(const tgeomobject& object, int32_t partIndex) {
    if (partIndex < 0 || static_cast<size_t>(partIndex) >= object.triangleParts.size()) return {};
    const tmeshpart& part = object.triangleParts[static_cast<size_t>(partIndex)];
    const auto frame = static_cast<size_t>(part.currentFrame);
    if (frame >= part.frames.size() || part.elementsPerFrame <= 0) return {};
    const size_t first = static_cast<size_t>(part.firstElement) * 3 +
                         static_cast<size_t>(part.frames[frame].vertexOffset);
    const auto vertices = TriangleVertices(object);
    if (first >= vertices.size()) return {};
    return TurnModelPoint(object, part, vertices[first].position);
}
