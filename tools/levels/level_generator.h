// The level generator: a file of levels from a seed, easiest first. Each level is scenery from
// the scenery catalogue joined by a network of movable road pieces; the record holds one
// solution, and the solver has confirmed it can be solved.
#pragma once

#include <cstdint>
#include <vector>

#include "core/board.h"
#include "core/level_file.h"

namespace verlumo::levels {

// The seed of the shipped level file, assets/levels/vlmo.dat.
constexpr std::uint64_t kShippedLevelSeed = 20240607;

struct GeneratedLevel {
  Board board{};
  int road_pieces = 0;
  int solutions = 0;   // up to the solver's default cap
  int difficulty = 0;  // see DifficultyOf
};

// `count` levels (1 to 500) in rising difficulty. The same seed and count always give the same
// levels, on every machine.
std::vector<GeneratedLevel> GenerateLevels(std::uint64_t seed, int count = kMaxLevels);

// The level file: the records one after another.
std::vector<std::uint8_t> LevelFileBytes(const std::vector<GeneratedLevel>& levels);

}  // namespace verlumo::levels
