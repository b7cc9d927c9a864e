#include "noise.h"

#include <cmath>

uint32_t Hash(int x, int y, uint32_t seed) {
    uint32_t h = seed * 0x9E3779B9u ^ static_cast<uint32_t>(x) * 0x85EBCA6Bu ^
                 static_cast<uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

float HashUnit(int x, int y, uint32_t seed) {
    return (Hash(x, y, seed) >> 8) / 16777216.0f;
}

static int Wrap(int v, int period) {
    if (period <= 0) return v;
    v %= period;
    return v < 0 ? v + period : v;
}

float ValueNoise(float x, float y, uint32_t seed, int period) {
    int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    float fx = x - x0, fy = y - y0;
    float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    auto corner = [&](int dx, int dy) {
        return HashUnit(Wrap(x0 + dx, period), Wrap(y0 + dy, period), seed);
    };
    float top = corner(0, 0) + (corner(1, 0) - corner(0, 0)) * sx;
    float bottom = corner(0, 1) + (corner(1, 1) - corner(0, 1)) * sx;
    return top + (bottom - top) * sy;
}

float Fractal(float x, float y, uint32_t seed, int octaves, int period) {
    float sum = 0, amplitude = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += ValueNoise(x, y, seed + i * 101, period) * amplitude;
        total += amplitude;
        amplitude *= 0.5f;
        x *= 2, y *= 2;
        period *= 2;
    }
    return sum / total;
}
