#include "render/gl_state.h"

void BindTextureSlot(const TextureTable& textures, int32_t slot) {
    if (slot < 0 || slot >= kTextureSlotCount) return;
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, TextureNameForSlot(textures, slot));
}

void BindVertexSet(const VertexBufferSet& buffers, VertexSetHalf half) {
    const bool triangles = half == VertexSetHalf::kTriangles;
    const auto& names = buffers.names;
    const auto bind = ArbBuffers().glBindBufferARB;
    bind(GL_ARRAY_BUFFER_ARB, names[triangles ? kTrianglePositions : kQuadPositions]);
    glVertexPointer(3, GL_FLOAT, 0, nullptr);
    bind(GL_ARRAY_BUFFER_ARB, names[triangles ? kTriangleNormals : kQuadNormals]);
    glNormalPointer(GL_FLOAT, 0, nullptr);
    bind(GL_ARRAY_BUFFER_ARB, names[triangles ? kTriangleTexCoords : kQuadTexCoords]);
    glTexCoordPointer(2, GL_FLOAT, 0, nullptr);
}

int32_t VertexSetCount(const VertexBufferSet& buffers, VertexSetHalf half) {
    return half == VertexSetHalf::kTriangles ? buffers.triangleVertices : buffers.quadVertices;
}

void DrawVertexRange(const VertexBufferSet& buffers, VertexSetHalf half, int32_t first,
                     int32_t count) {
    // A range past the buffer would make the driver read outside it.
    if (first < 0 || count <= 0 || first > VertexSetCount(buffers, half) - count) return;
    glDrawArrays(half == VertexSetHalf::kTriangles ? GL_TRIANGLES : GL_QUADS, first, count);
}

void EnableVertexArrays() {
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
}

void DisableVertexArrays() {
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
}

void SetLitWhite() {
    glColor4f(1, 1, 1, 1);
    glColorMaterial(GL_FRONT, GL_DIFFUSE);
    glDisable(GL_COLOR_MATERIAL);
    glEnable(GL_COLOR_MATERIAL);
}
