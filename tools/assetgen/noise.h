// Deterministic procedural noise for textures: integer hashing, no global state, so every run of
// assetgen draws the same pixels. Tileable variants repeat with a period given in lattice cells.
#pragma once
#include <cstdint>

uint32_t Hash(int x, int y, uint32_t seed);
float HashUnit(int x, int y, uint32_t seed);  // in [0, 1)
// Smooth value noise in [0, 1); the lattice wraps every `period` cells in x and y (0: no wrap).
float ValueNoise(float x, float y, uint32_t seed, int period = 0);
// Sum of octaves of ValueNoise, normalised to [0, 1); the period doubles per octave.
float Fractal(float x, float y, uint32_t seed, int octaves, int period = 0);
