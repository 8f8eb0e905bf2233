// The generator's own pseudo-random numbers (SplitMix64). The standard library's distributions
// differ between library versions, and the shipped level file must come out the same on every
// machine, so every draw is spelled out here.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace verlumo::levels {

class LevelRandom {
 public:
  explicit LevelRandom(std::uint64_t seed) : state_(seed) {}

  std::uint64_t NextWord() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  // 0 to n - 1, for n >= 1.
  int Below(int n) {
    return static_cast<int>((NextWord() >> 32) * static_cast<std::uint64_t>(n) >> 32);
  }

  // From low to high, both included.
  int Between(int low, int high) { return low + Below(high - low + 1); }

  // A fraction in [0, 1) with 53 significant bits.
  double Fraction() { return static_cast<double>(NextWord() >> 11) * 0x1.0p-53; }

  bool Chance(double probability) { return Fraction() < probability; }

  // An index drawn with probability proportional to its weight; weights must not all be zero.
  int Weighted(const std::vector<double>& weights) {
    double total = 0;
    for (double weight : weights) total += weight;
    double point = Fraction() * total;
    for (int index = 0; index < static_cast<int>(weights.size()); ++index) {
      point -= weights[index];
      if (point < 0) return index;
    }
    for (int index = static_cast<int>(weights.size()) - 1; index > 0; --index) {
      if (weights[index] > 0) return index;
    }
    return 0;
  }

  template <typename T>
  void Shuffle(std::vector<T>& items) {
    for (int i = static_cast<int>(items.size()) - 1; i > 0; --i) {
      std::swap(items[i], items[Below(i + 1)]);
    }
  }

 private:
  std::uint64_t state_;
};

}  // namespace verlumo::levels
