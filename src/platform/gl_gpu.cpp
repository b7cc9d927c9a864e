#include "platform/gl_gpu.h"

#include <stdexcept>

#include "platform/gl_extensions.h"

namespace {

const ArbBufferFunctions& RequireArbBuffers() {
    if (!ArbBuffers().glGenBuffersARB && !LoadArbBufferFunctions())
        throw std::runtime_error("the OpenGL driver offers no ARB vertex buffer objects");
    return ArbBuffers();
}

}  // namespace

GlGpu::GlGpu() : buffers_(RequireArbBuffers()) {}

void GlGpu::GenerateTextures(std::span<uint32_t> names) {
    glGenTextures(static_cast<GLsizei>(names.size()), names.data());
}

void GlGpu::DeleteTextures(std::span<const uint32_t> names) {
    glDeleteTextures(static_cast<GLsizei>(names.size()), names.data());
}

void GlGpu::UploadTexture(uint32_t name, int32_t width, int32_t height,
                          std::span<const uint8_t> rgba) {
    if (rgba.size() < static_cast<size_t>(width) * static_cast<size_t>(height) * 4) return;
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 rgba.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
}

uint32_t GlGpu::CreateBuffer(std::span<const std::byte> bytes) {
    GLuint name = 0;
    buffers_.glGenBuffersARB(1, &name);
    buffers_.glBindBufferARB(GL_ARRAY_BUFFER_ARB, name);
    buffers_.glBufferDataARB(GL_ARRAY_BUFFER_ARB, static_cast<GLsizeiptrARB>(bytes.size()),
                             bytes.data(), GL_STATIC_DRAW_ARB);
    buffers_.glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
    return name;
}

void GlGpu::DeleteBuffer(uint32_t name) {
    if (name != 0) buffers_.glDeleteBuffersARB(1, &name);
}
