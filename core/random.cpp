// The game's linear congruential generator. The exact sequence matters: a level's shuffle is
// the sequence of draws, so it must never change.
#include "core/random.h"

namespace verlumo {

int Random::Next(int n) {
  seed_ = seed_ * 134775813u + 1u;  // unsigned arithmetic wraps modulo 2^32
  return static_cast<int>((static_cast<std::uint64_t>(seed_) * static_cast<std::uint32_t>(n)) >>
                          32);
}

}  // namespace verlumo
