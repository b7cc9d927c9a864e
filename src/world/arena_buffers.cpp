#include "world/arena_buffers.h"

#include <cmath>
#include <numbers>

#include "base/random.h"
#include "world/gpu.h"

namespace {

void Append(std::vector<float>& target, std::initializer_list<float> values) {
    target.insert(target.end(), values);
}

void AddVertices(VertexStaging& staging, std::span<const tmodelvertex> vertices, tvec3 offset,
                 int positions, int normals, int texCoords) {
    for (const tmodelvertex& v : vertices) {
        const tvec3 p = v.position + offset;
        Append(staging.arrays[static_cast<size_t>(positions)], {p.x, p.y, p.z});
        Append(staging.arrays[static_cast<size_t>(normals)], {v.normal.x, v.normal.y, v.normal.z});
        Append(staging.arrays[static_cast<size_t>(texCoords)], {v.s, v.t});
    }
}

constexpr int kDiscSegments = kShadowDiscVertices / 3;

// Every rim point of a disc as wide as the cylinder is a rim point of the cylinder's sides when
// their segments are a multiple of the disc's, so the disc's edges run inside them; with exactly
// as many they run on the sides, and the sides would no longer hide them whole.
bool DiscInsideCylinder(const tgeomobject& cylinder, const tcylinderbounds& bounds, float height) {
    const int32_t segments = cylinder.triangleCount / 2;
    return segments > kDiscSegments && segments % kDiscSegments == 0 && bounds.bottom <= height &&
           height <= bounds.top;
}

// The disc fan around (x, z) at height y.
void AddDisc(VertexStaging& staging, float x, float y, float z, float radius) {
    constexpr int kSegments = kDiscSegments;
    constexpr float kStep = 2 * std::numbers::pi_v<float> / kSegments;
    std::vector<tmodelvertex> fan;
    for (int s = 0; s < kSegments; ++s) {
        const float a = static_cast<float>(s) * kStep, b = static_cast<float>(s + 1) * kStep;
        const tvec3 up{0, 1, 0};
        fan.push_back({{x + radius * std::cos(a), y, z + radius * std::sin(a)}, up, 0, 0, 0});
        fan.push_back({{x, y, z}, up, 0, 0, 0});
        fan.push_back({{x + radius * std::cos(b), y, z + radius * std::sin(b)}, up, 0, 0, 0});
    }
    staging.AddTriangleVertices(fan, {});
}

}  // namespace

void VertexStaging::AddTriangleVertices(std::span<const tmodelvertex> vertices, tvec3 offset) {
    AddVertices(*this, vertices, offset, kTrianglePositions, kTriangleNormals, kTriangleTexCoords);
    triangleVertices += static_cast<int32_t>(vertices.size());
}

void VertexStaging::AddQuadVertices(std::span<const tmodelvertex> vertices, tvec3 offset) {
    AddVertices(*this, vertices, offset, kQuadPositions, kQuadNormals, kQuadTexCoords);
    quadVertices += static_cast<int32_t>(vertices.size());
}

VertexBufferSet UploadVertexBuffers(Gpu& gpu, const VertexStaging& staging) {
    VertexBufferSet buffers;
    for (size_t i = 0; i < buffers.names.size(); ++i)
        buffers.names[i] = gpu.CreateBuffer(std::as_bytes(std::span(staging.arrays[i])));
    buffers.triangleVertices = staging.triangleVertices;
    buffers.quadVertices = staging.quadVertices;
    return buffers;
}

void ReleaseVertexBuffers(Gpu& gpu, VertexBufferSet& buffers) {
    for (uint32_t& name : buffers.names) {
        if (name != 0) gpu.DeleteBuffer(name);
        name = 0;
    }
    buffers.triangleVertices = buffers.quadVertices = 0;
}

void ReleaseArenaBuffers(Arena& arena, Gpu& gpu) {
    ReleaseVertexBuffers(gpu, arena.arenaBuffers);
    ReleaseVertexBuffers(gpu, arena.playerBuffers);
    ReleaseVertexBuffers(gpu, arena.shadowBuffers);
}

void UploadArenaBuffers(Arena& arena, Gpu& gpu) {
    VertexStaging staging;
    for (tgeomobject& cylinder : arena.arenaCylinders) {
        cylinder.arenaTriangleStart = staging.triangleVertices;
        cylinder.arenaQuadStart = staging.quadVertices;
        cylinder.arenaTriangleVertices = cylinder.triangleCount * 3;
        cylinder.arenaQuadVertices = cylinder.quadCount * 4;
        staging.AddTriangleVertices(TriangleVertices(cylinder), cylinder.position);
        staging.AddQuadVertices(QuadVertices(cylinder), cylinder.position);
        cylinder.triangles.reset();
        cylinder.quads.reset();
    }
    arena.arenaBuffers = UploadVertexBuffers(gpu, staging);
}

void BuildArenaBatches(Arena& arena) {
    const auto addTo = [](std::vector<tdrawbatch>& batches, int32_t slot, int32_t first,
                          int32_t count) {
        if (batches.empty() || batches.back().textureSlot != slot)
            batches.push_back({first, 0, slot});
        batches.back().vertexCount += count;
    };
    arena.arenaTriangleBatches.clear();
    arena.arenaQuadBatches.clear();
    for (const tgeomobject& cylinder : arena.arenaCylinders) {
        const int32_t capSlot = cylinder.textureSlots.size() > 0 ? cylinder.textureSlots[0] : -1;
        const int32_t sideSlot = cylinder.textureSlots.size() > 1 ? cylinder.textureSlots[1] : -1;
        addTo(arena.arenaTriangleBatches, capSlot, cylinder.arenaTriangleStart,
              cylinder.arenaTriangleVertices);
        addTo(arena.arenaQuadBatches, sideSlot, cylinder.arenaQuadStart,
              cylinder.arenaQuadVertices);
    }
}

void UploadPlayerBuffers(Arena& arena, const tgeomobject& playerTemplate, Gpu& gpu) {
    VertexStaging staging;
    staging.AddTriangleVertices(TriangleVertices(playerTemplate), playerTemplate.position);
    staging.AddQuadVertices(QuadVertices(playerTemplate), playerTemplate.position);
    arena.playerBuffers = UploadVertexBuffers(gpu, staging);
}

void UploadShadowBuffers(Arena& arena, Random& random, Gpu& gpu) {
    VertexStaging staging;
    arena.shadowDiscInside.clear();
    for (size_t i = 0; i < arena.arenaCylinders.size(); ++i) {
        const tvec3 centre = arena.arenaCylinders[i].position;
        const float height = kShadowDiscLowest + kShadowDiscRise * random.Unit();
        const tcylinderbounds& bounds = arena.cylinderBounds[i + 1];
        AddDisc(staging, centre.x, height, centre.z, bounds.radius);
        arena.shadowDiscInside.push_back(
            DiscInsideCylinder(arena.arenaCylinders[i], bounds, height));
    }
    AddDisc(staging, 0, 0, 0, 1);
    arena.shadowBuffers = UploadVertexBuffers(gpu, staging);
}
