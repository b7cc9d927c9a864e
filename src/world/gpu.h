// Gpu: the uploads the world makes to the graphics card (texture pictures, vertex buffers).
// The game's implementation (platform/gl_gpu) calls OpenGL; tests use a recording fake, so the
// loaders and arena builders run without a window. Names are OpenGL object names.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

class Gpu {
  public:
    virtual ~Gpu() = default;

    // Texture objects: names are generated in bulk (the texture slot table) and deleted in bulk.
    virtual void GenerateTextures(std::span<uint32_t> names) = 0;
    virtual void DeleteTextures(std::span<const uint32_t> names) = 0;
    // Uploads a width x height RGBA picture (4 bytes a pixel, row 0 first) into `name`, linear
    // filtering.
    virtual void UploadTexture(uint32_t name, int32_t width, int32_t height,
                               std::span<const uint8_t> rgba) = 0;

    // Static vertex buffer objects.
    virtual uint32_t CreateBuffer(std::span<const std::byte> bytes) = 0;
    virtual void DeleteBuffer(uint32_t name) = 0;
};
