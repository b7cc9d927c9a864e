#include "render/model_buffers.h"

#include "render/gl_state.h"

uint32_t ModelBuffers::BufferFor(const tvertexarray& vertices) {
    if (!vertices || vertices->empty()) return 0;
    if (const auto found = buffers_.find(vertices.get()); found != buffers_.end())
        return found->second.name;
    // A new array usually means a new level or a new player: the old level's go now.
    ReleaseUnheld();
    const ArbBufferFunctions& arb = ArbBuffers();
    GLuint name = 0;
    arb.glGenBuffersARB(1, &name);
    arb.glBindBufferARB(GL_ARRAY_BUFFER_ARB, name);
    arb.glBufferDataARB(GL_ARRAY_BUFFER_ARB,
                        static_cast<GLsizeiptrARB>(vertices->size() * sizeof(tmodelvertex)),
                        vertices->data(), GL_STATIC_DRAW_ARB);
    buffers_.emplace(vertices.get(), Upload{vertices, name});
    return name;
}

void ModelBuffers::ReleaseUnheld() {
    for (auto upload = buffers_.begin(); upload != buffers_.end();) {
        if (upload->second.vertices.use_count() == 1) {
            ArbBuffers().glDeleteBuffersARB(1, &upload->second.name);
            upload = buffers_.erase(upload);
        } else {
            ++upload;
        }
    }
}
