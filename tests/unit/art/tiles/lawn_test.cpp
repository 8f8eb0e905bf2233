// The plain grass piece is the picture a board shows most often. Its small plants must spread
// over all of it, so no quarter of a field of plain pieces lies bare, and stay off its border
// line, where it must be the grass every other tile shows there.
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/tile_catalogue.h"
#include "tools/artgen/tiles/ground.h"
#include "tools/artgen/tiles/tile_sheet.h"

namespace artgen {
namespace {

constexpr int kCell = 48;

// Whether a pixel stands out from the grass under it as a plant does, not as grain does.
bool StandsOut(const Rgb& p, const Rgb& grass) {
  return std::abs(p.r - grass.r) + std::abs(p.g - grass.g) + std::abs(p.b - grass.b) > 60;
}

TEST(PlainLawn, HasPlantsInEveryQuarterAndLeavesItsBorderLineToTheGrass) {
  const Image sheet = DrawFlatTileSheet();
  const Image grass = tiles::GrassTile();
  const verlumo::PixelOffset at = verlumo::SheetPosition(verlumo::kEmptyTile);
  int plants[2][2] = {};
  for (int y = 0; y < kCell; ++y) {
    for (int x = 0; x < kCell; ++x) {
      const Rgb& p = sheet.at(at.x + x, at.y + y);
      if (x == 0 || y == 0 || x == kCell - 1 || y == kCell - 1) {
        ASSERT_EQ(p, grass.at(x, y)) << x << "," << y;
      }
      plants[y * 2 / kCell][x * 2 / kCell] += StandsOut(p, grass.at(x, y));
    }
  }
  for (int quarter = 0; quarter < 4; ++quarter) {
    EXPECT_GE(plants[quarter / 2][quarter % 2], 8) << "quarter " << quarter;
  }
}

}  // namespace
}  // namespace artgen
