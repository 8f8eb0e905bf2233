// The game's one pseudo-random generator: the classic 32-bit linear congruential generator
// seed := seed * 134775813 + 1 (mod 2^32); a draw below n is the upper half of seed * n.
#pragma once

#include <cstdint>

namespace verlumo {

class Random {
 public:
  explicit Random(std::uint32_t seed = 0) : seed_(seed) {}

  void Seed(std::uint32_t seed) { seed_ = seed; }
  std::uint32_t seed() const { return seed_; }

  // Advances the seed, then returns a value from 0 to n - 1 (n >= 1).
  int Next(int n);

 private:
  std::uint32_t seed_;
};

}  // namespace verlumo
