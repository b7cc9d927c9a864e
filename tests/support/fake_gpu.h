// FakeGpu: a Gpu that records every upload, so tests can check what would reach the graphics card.
#pragma once
#include <cstring>
#include <map>
#include <vector>

#include "world/gpu.h"

class FakeGpu final : public Gpu {
  public:
    struct TextureUpload {
        uint32_t name;
        int32_t width, height;
        std::vector<uint8_t> rgba;
    };

    void GenerateTextures(std::span<uint32_t> names) override {
        for (uint32_t& name : names) name = nextName_++;
        generatedTextures += names.size();
    }
    void DeleteTextures(std::span<const uint32_t> names) override {
        deletedTextures += names.size();
    }
    void UploadTexture(uint32_t name, int32_t width, int32_t height,
                       std::span<const uint8_t> rgba) override {
        textureUploads.push_back({name, width, height, {rgba.begin(), rgba.end()}});
    }
    uint32_t CreateBuffer(std::span<const std::byte> bytes) override {
        const uint32_t name = nextName_++;
        buffers[name].assign(bytes.begin(), bytes.end());
        return name;
    }
    void DeleteBuffer(uint32_t name) override { buffers.erase(name); }

    // The floats of a live buffer.
    std::vector<float> BufferFloats(uint32_t name) const {
        const auto& bytes = buffers.at(name);
        std::vector<float> floats(bytes.size() / sizeof(float));
        std::memcpy(floats.data(), bytes.data(), floats.size() * sizeof(float));
        return floats;
    }

    std::vector<TextureUpload> textureUploads;
    std::map<uint32_t, std::vector<std::byte>> buffers;
    size_t generatedTextures = 0;
    size_t deletedTextures = 0;

  private:
    uint32_t nextName_ = 1;
};
