#include "render/model_runs.h"

#include "world/animation.h"

bool HasCurrentPose(const tmeshpart& part) {
    return part.currentFrame >= 0 && static_cast<size_t>(part.currentFrame) < part.frames.size();
}

bool StepPartForRun(tgeomobject& object, tmeshpart& part, size_t partIndex, VertexSetHalf half,
                    uint32_t now) {
    StepAnimation(object, part, now);
    if (!HasCurrentPose(part)) return false;
    if (half == VertexSetHalf::kTriangles && part.name == "BSTART")
        object.bulletStart = BulletStartOffset(object, static_cast<int32_t>(partIndex));
    return true;
}

namespace {

int32_t VerticesPerElement(VertexSetHalf half) {
    return half == VertexSetHalf::kTriangles ? 3 : 4;
}

}  // namespace

std::span<const tmodelvertex> RunVertices(const tgeomobject& object, const tmeshpart& part,
                                          const ttexrun& run, VertexSetHalf half) {
    const int32_t perElement = VerticesPerElement(half);
    const int32_t frameOffset =
        part.frames[static_cast<size_t>(part.currentFrame)].vertexOffset / perElement;
    const int64_t first = static_cast<int64_t>(part.firstElement) + run.elementOffset + frameOffset;
    const auto vertices =
        half == VertexSetHalf::kTriangles ? TriangleVertices(object) : QuadVertices(object);
    if (first < 0 || run.elementCount <= 0 ||
        (first + run.elementCount) * perElement > static_cast<int64_t>(vertices.size()))
        return {};
    return vertices.subspan(static_cast<size_t>(first * perElement),
                            static_cast<size_t>(run.elementCount * perElement));
}

void DrawVertices(std::span<const tmodelvertex> vertices, VertexSetHalf half) {
    if (vertices.empty()) return;
    const tmodelvertex* base = vertices.data();
    constexpr GLsizei kStride = sizeof(tmodelvertex);
    glVertexPointer(3, GL_FLOAT, kStride, &base->position);
    glNormalPointer(GL_FLOAT, kStride, &base->normal);
    glTexCoordPointer(2, GL_FLOAT, kStride, &base->s);
    glDrawArrays(half == VertexSetHalf::kTriangles ? GL_TRIANGLES : GL_QUADS, 0,
                 static_cast<GLsizei>(vertices.size()));
}

int32_t RunSlot(tgeomobject& object, ttexrun& run, const TextureTable& textures, uint32_t now) {
    if (run.textureIndex < 0) return -1;
    const int32_t slot = ResolveTextureSlot(object, textures, run.textureIndex);
    return slot == -1 ? -1 : StepTextureRun(run, slot, now);
}
