// The shipped level file is exactly what the generator makes from the kept seed, and it passes
// the checker: 500 valid, solvable levels.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tools/levels/level_check.h"
#include "tools/levels/level_generator.h"

namespace verlumo::levels {
namespace {

std::vector<std::uint8_t> ShippedBytes() {
  std::ifstream file(VERLUMO_SHIPPED_LEVEL_FILE, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(ShippedLevels, AreTheGeneratorsLevelsFromTheKeptSeed) {
  const std::vector<std::uint8_t> shipped = ShippedBytes();
  ASSERT_EQ(shipped.size(), std::size_t{kMaxLevels} * kRecordSize) << VERLUMO_SHIPPED_LEVEL_FILE;
  EXPECT_TRUE(LevelFileBytes(GenerateLevels(kShippedLevelSeed)) == shipped)
      << "regenerate with: verlumo_levels generate " << kShippedLevelSeed
      << " assets/levels/vlmo.dat";
}

TEST(ShippedLevels, PassTheCheck) {
  const FileReport report = CheckLevelBytes(ShippedBytes());
  EXPECT_EQ(report.levels.size(), std::size_t{kMaxLevels});
  EXPECT_TRUE(report.ok());
  for (std::size_t index = 1; index < report.levels.size(); ++index) {
    EXPECT_GE(*report.levels[index].difficulty, *report.levels[index - 1].difficulty) << index + 1;
  }
}

}  // namespace
}  // namespace verlumo::levels
