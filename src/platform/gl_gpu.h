// GlGpu: the game's Gpu, on the current OpenGL context. Textures are plain GL texture objects
// with linear filtering; vertex buffers are static ARB vertex buffer objects, made through the
// entry points of platform/gl_extensions. Create it once the context is current; it throws when
// the driver lacks those entry points. It must outlive the GPU objects it made.
#pragma once
#include "world/gpu.h"

struct ArbBufferFunctions;

class GlGpu final : public Gpu {
  public:
    GlGpu();

    void GenerateTextures(std::span<uint32_t> names) override;
    void DeleteTextures(std::span<const uint32_t> names) override;
    void UploadTexture(uint32_t name, int32_t width, int32_t height,
                       std::span<const uint8_t> rgba) override;

    uint32_t CreateBuffer(std::span<const std::byte> bytes) override;
    void DeleteBuffer(uint32_t name) override;

  private:
    const ArbBufferFunctions& buffers_;
};
