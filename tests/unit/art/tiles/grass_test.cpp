// Grass must tile without showing the tile: a field of empty cells may not look quilted. The
// tile's brightness is the same on opposite sides and has no slow swell or drift across it.
// Every other tile lays the same grass where its ground is grass (the sheet's seam tests hold
// them to it pixel for pixel), so the empty tile speaks for all of them. The grass is judged as
// painted, before the movable tiles are raised as pieces: that light on their edges is meant
// to show each piece.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/tile_catalogue.h"
#include "tools/artgen/tiles/tile_sheet.h"

namespace artgen {
namespace {

using verlumo::Side;
using verlumo::TileCode;

constexpr int kCell = 48;
constexpr int kBlock = 12;  // a 4 x 4 grid of blocks: anything coarser than grain shows here

const Image& Sheet() {
  static const Image sheet = DrawFlatTileSheet();
  return sheet;
}

double Brightness(const Rgb& p) { return 0.299 * p.r + 0.587 * p.g + 0.114 * p.b; }

// Mean brightness of the rectangle (x, y, w, h) inside the tile of the code.
double Mean(TileCode code, int x, int y, int w, int h) {
  const verlumo::PixelOffset at = verlumo::SheetPosition(code);
  double sum = 0;
  for (int dy = 0; dy < h; ++dy) {
    for (int dx = 0; dx < w; ++dx) sum += Brightness(Sheet().at(at.x + x + dx, at.y + y + dy));
  }
  return sum / (w * h);
}

// The band of the given depth along one side of a tile.
double SideBand(TileCode code, Side side, int depth) {
  switch (side) {
    case Side::Right: return Mean(code, kCell - depth, 0, depth, kCell);
    case Side::Top: return Mean(code, 0, 0, kCell, depth);
    case Side::Left: return Mean(code, 0, 0, depth, kCell);
    case Side::Bottom: return Mean(code, 0, kCell - depth, kCell, depth);
  }
  return 0;
}

TEST(Grass, OppositeSidesOfTheGrassTileAreEquallyBright) {
  for (int depth : {2, 6, 12}) {
    EXPECT_NEAR(SideBand(0, Side::Left, depth), SideBand(0, Side::Right, depth), 1.5) << "depth " << depth;
    EXPECT_NEAR(SideBand(0, Side::Top, depth), SideBand(0, Side::Bottom, depth), 1.5) << "depth " << depth;
  }
  EXPECT_NEAR(Mean(0, 0, 0, 24, kCell), Mean(0, 24, 0, 24, kCell), 1.0) << "left and right halves";
  EXPECT_NEAR(Mean(0, 0, 0, kCell, 24), Mean(0, 0, 24, kCell, 24), 1.0) << "top and bottom halves";
}

TEST(Grass, TheGrassTileHasNoSlowDriftAcrossIt) {
  double lowest = 255, highest = 0;
  for (int y = 0; y < kCell; y += kBlock) {
    for (int x = 0; x < kCell; x += kBlock) {
      const double block = Mean(0, x, y, kBlock, kBlock);
      lowest = std::min(lowest, block);
      highest = std::max(highest, block);
    }
  }
  EXPECT_LE(highest - lowest, 3.0) << "12 x 12 blocks range from " << lowest << " to " << highest;
}

}  // namespace
}  // namespace artgen
