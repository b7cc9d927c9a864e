// NullGpu: a Gpu that uploads nothing, for headless runs of the world code (benchmarks, fuzzing)
// where only the CPU side of loading matters.
#pragma once
#include "world/gpu.h"

class NullGpu final : public Gpu {
  public:
    void GenerateTextures(std::span<uint32_t> names) override {
        for (uint32_t& name : names) name = ++lastName_;
    }
    void DeleteTextures(std::span<const uint32_t>) override {}
    void UploadTexture(uint32_t, int32_t, int32_t, std::span<const uint8_t>) override {}
    uint32_t CreateBuffer(std::span<const std::byte>) override { return ++lastName_; }
    void DeleteBuffer(uint32_t) override {}

  private:
    uint32_t lastName_ = 0;
};
