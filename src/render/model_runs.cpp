#include "render/model_runs.h"

#include "world/animation.h"

int32_t ShownPose(const tmeshpart& part, PoseLook look) {
    const int32_t frame = look == PoseLook::kCursor ? CursorPose(part) : part.currentFrame;
    return frame >= 0 && static_cast<size_t>(frame) < part.frames.size() ? frame : -1;
}

namespace {

int32_t VerticesPerElement(VertexSetHalf half) {
    return half == VertexSetHalf::kTriangles ? 3 : 4;
}

}  // namespace

std::span<const tmodelvertex> RunVertices(const tgeomobject& object, const tmeshpart& part,
                                          int32_t frame, const ttexrun& run, VertexSetHalf half) {
    const int32_t perElement = VerticesPerElement(half);
    const int32_t frameOffset = part.frames[static_cast<size_t>(frame)].vertexOffset / perElement;
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

int32_t RunSlot(tgeomobject& object, const ttexrun& run, const TextureTable& textures) {
    if (run.textureIndex < 0) return -1;
    const int32_t slot = ResolveTextureSlot(object, textures, run.textureIndex);
    return slot == -1 ? -1 : slot + ShownTextureFrame(run);
}
