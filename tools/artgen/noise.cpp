// Integer hashing (a murmur-style finaliser) and value noise with smoothstep interpolation.
#include "tools/artgen/noise.h"

#include <cmath>

namespace artgen {

std::uint32_t Hash(int x, int y, std::uint32_t seed) {
  std::uint32_t h = seed * 0x9E3779B9u;
  h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
  h = (h << 13) | (h >> 19);
  h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h;
}

double Random01(int x, int y, std::uint32_t seed) { return Hash(x, y, seed) / 4294967296.0; }

double ValueNoise(double x, double y, std::uint32_t seed) {
  const double fx = std::floor(x), fy = std::floor(y);
  const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  auto smooth = [](double t) { return t * t * (3 - 2 * t); };
  const double tx = smooth(x - fx), ty = smooth(y - fy);
  const double top = Random01(ix, iy, seed) * (1 - tx) + Random01(ix + 1, iy, seed) * tx;
  const double bottom = Random01(ix, iy + 1, seed) * (1 - tx) + Random01(ix + 1, iy + 1, seed) * tx;
  return top * (1 - ty) + bottom * ty;
}

double FractalNoise(double x, double y, int octaves, std::uint32_t seed) {
  double sum = 0, weight = 1, total = 0, scale = 1;
  for (int i = 0; i < octaves; ++i) {
    sum += ValueNoise(x * scale, y * scale, seed + static_cast<std::uint32_t>(i)) * weight;
    total += weight;
    weight *= 0.5;
    scale *= 2;
  }
  return sum / total;
}

}  // namespace artgen
