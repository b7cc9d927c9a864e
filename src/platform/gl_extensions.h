// The ARB vertex buffer object entry points, fetched by name from the current GL context once at
// start-up. GL entry points belong to the process like GL itself, so they are kept in one table
// that the renderer and the Gpu implementation read.
#pragma once
#include <SDL_opengl.h>
#include <SDL_opengl_glext.h>

struct ArbBufferFunctions {
    PFNGLGENBUFFERSARBPROC glGenBuffersARB = nullptr;
    PFNGLBINDBUFFERARBPROC glBindBufferARB = nullptr;
    PFNGLBUFFERDATAARBPROC glBufferDataARB = nullptr;
    PFNGLBUFFERSUBDATAARBPROC glBufferSubDataARB = nullptr;
    PFNGLDELETEBUFFERSARBPROC glDeleteBuffersARB = nullptr;
};

// Fetches the entry points from the current context; false when any is missing (the game has no
// path without them).
bool LoadArbBufferFunctions();
// The fetched table; all null before LoadArbBufferFunctions succeeded.
const ArbBufferFunctions& ArbBuffers();
