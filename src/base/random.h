// Random: the one pseudo-random generator the game owns (spawn orders, bot choices, spread).
// Seeded explicitly so that tests and replays are deterministic.
#pragma once
#include <cstdint>

class Random {
  public:
    explicit Random(uint64_t seed = 0x9E3779B97F4A7C15ull) { Seed(seed); }
    void Seed(uint64_t seed) { state_ = seed ? seed : 1; }

    // Uniform integer in [0, bound); 0 when bound <= 0.
    int32_t Below(int32_t bound) {
        if (bound <= 0) return 0;
        return static_cast<int32_t>(Next() % static_cast<uint64_t>(bound));
    }
    // Uniform float in [0, 1).
    float Unit() { return static_cast<float>(Next() >> 40) / static_cast<float>(1ull << 24); }

    uint64_t Next() {  // xorshift64*
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 0x2545F4914F6CDD1Dull;
    }

  private:
    uint64_t state_;
};
