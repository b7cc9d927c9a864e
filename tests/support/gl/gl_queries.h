// GL queries around a drawing: how many primitives it sent, or how many times the fragment shader
// ran for it (llvmpipe runs it on whole 4x4 blocks). Nothing when the driver cannot count it.
#pragma once
#include <SDL.h>
#include <SDL_opengl.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>

inline std::optional<uint64_t> CountDuring(GLenum target, const std::function<void()>& draw) {
    if (target == GL_FRAGMENT_SHADER_INVOCATIONS_ARB) {
        const auto* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
        if (!extensions || !std::strstr(extensions, "GL_ARB_pipeline_statistics_query"))
            return std::nullopt;
    }
    static const auto genQueries =
        reinterpret_cast<PFNGLGENQUERIESPROC>(SDL_GL_GetProcAddress("glGenQueries"));
    static const auto beginQuery =
        reinterpret_cast<PFNGLBEGINQUERYPROC>(SDL_GL_GetProcAddress("glBeginQuery"));
    static const auto endQuery =
        reinterpret_cast<PFNGLENDQUERYPROC>(SDL_GL_GetProcAddress("glEndQuery"));
    static const auto queryResult = reinterpret_cast<PFNGLGETQUERYOBJECTUI64VPROC>(
        SDL_GL_GetProcAddress("glGetQueryObjectui64v"));
    static const auto deleteQueries =
        reinterpret_cast<PFNGLDELETEQUERIESPROC>(SDL_GL_GetProcAddress("glDeleteQueries"));
    if (!genQueries || !beginQuery || !endQuery || !queryResult || !deleteQueries)
        return std::nullopt;
    GLuint query = 0;
    genQueries(1, &query);
    beginQuery(target, query);
    draw();
    endQuery(target);
    GLuint64 count = 0;
    queryResult(query, GL_QUERY_RESULT, &count);
    deleteQueries(1, &query);
    return count;
}
