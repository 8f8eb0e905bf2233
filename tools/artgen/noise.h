// Deterministic pseudo-random values and smooth noise for textures and sounds: the same
// arguments give the same value on every machine and run.
#pragma once

#include <cstdint>

namespace artgen {

// A well-mixed 32-bit value for an integer lattice point and a seed.
std::uint32_t Hash(int x, int y, std::uint32_t seed);

// Hash scaled to [0, 1).
double Random01(int x, int y, std::uint32_t seed);

// Smoothly interpolated lattice noise in [0, 1), one feature per unit.
double ValueNoise(double x, double y, std::uint32_t seed);

// Several octaves of value noise, each half as strong and twice as fine; result in [0, 1).
double FractalNoise(double x, double y, int octaves, std::uint32_t seed);

}  // namespace artgen
