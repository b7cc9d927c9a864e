// GlGpu: the game's Gpu, on the current OpenGL context. Textures are plain GL texture objects
// with linear filtering; vertex buffers are static ARB vertex buffer objects. Create it once the
// context is current; it needs the ARB buffer-object entry points and throws without them.
#pragma once
#include "world/gpu.h"

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
    struct BufferFunctions;
    static const BufferFunctions& FetchBufferFunctions();
    const BufferFunctions& buffers_;
};
