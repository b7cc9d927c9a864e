// The level's vertex buffers: the arena cylinders, the player mesh (every pose of the template)
// and the shadow discs under the cylinders, each staged as six flat arrays and uploaded once per
// level as static buffers, so frames draw them without sending vertices.
#pragma once
#include <array>
#include <span>
#include <vector>

#include "world/arena.h"

class Gpu;
class Random;

// Positions and normals take three floats a vertex, texture coordinates two.
struct VertexStaging {
    std::array<std::vector<float>, kVertexBufferCount> arrays;
    int32_t triangleVertices = 0, quadVertices = 0;

    void AddTriangleVertices(std::span<const tmodelvertex> vertices, tvec3 offset);
    void AddQuadVertices(std::span<const tmodelvertex> vertices, tvec3 offset);
};

VertexBufferSet UploadVertexBuffers(Gpu& gpu, const VertexStaging& staging);
void ReleaseVertexBuffers(Gpu& gpu, VertexBufferSet& buffers);
// All three sets of a level.
void ReleaseArenaBuffers(Arena& arena, Gpu& gpu);

// Stages every arena cylinder at its position, records each one's ranges, releases its own
// vertices and uploads the whole arena.
void UploadArenaBuffers(Arena& arena, Gpu& gpu);

// Groups consecutive cylinders that share a texture slot (cap for triangles, side for quads).
void BuildArenaBatches(Arena& arena);

// Uploads every pose of the player template, placed at the template's position.
void UploadPlayerBuffers(Arena& arena, const tgeomobject& playerTemplate, Gpu& gpu);

// A 16-triangle disc under each cylinder, as wide as it, at a random height just above the
// floor, and one of radius 1 at the origin.
void UploadShadowBuffers(Arena& arena, Random& random, Gpu& gpu);
