#include "platform/gl_extensions.h"

#include <SDL.h>

namespace {

ArbBufferFunctions table;

template <typename Function>
bool Fetch(Function& function, const char* name) {
    function = reinterpret_cast<Function>(SDL_GL_GetProcAddress(name));
    return function != nullptr;
}

}  // namespace

bool LoadArbBufferFunctions() {
    if (!SDL_GL_ExtensionSupported("GL_ARB_vertex_buffer_object")) return false;
    bool complete = Fetch(table.glGenBuffersARB, "glGenBuffersARB");
    complete &= Fetch(table.glBindBufferARB, "glBindBufferARB");
    complete &= Fetch(table.glBufferDataARB, "glBufferDataARB");
    complete &= Fetch(table.glBufferSubDataARB, "glBufferSubDataARB");
    complete &= Fetch(table.glDeleteBuffersARB, "glDeleteBuffersARB");
    if (!complete) table = {};
    return complete;
}

const ArbBufferFunctions& ArbBuffers() {
    return table;
}
