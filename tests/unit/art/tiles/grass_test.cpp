// Grass must tile without showing the tile: a field of empty cells may not look quilted. The
// tile's brightness is the same on opposite sides and has no slow swell or drift across it.
// Every tile lays the same grass where its ground is grass (the sheet's seam tests hold them to
// it pixel for pixel), so the grass texture speaks for all of them. It is judged as painted,
// before the movable tiles are raised as pieces and the fixed ones get their deeper ground:
// those are meant to show each piece.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/tile_catalogue.h"
#include "tools/artgen/tiles/ground.h"

namespace artgen {
namespace {

using verlumo::Side;

constexpr int kCell = 48;
constexpr int kBlock = 12;  // a 4 x 4 grid of blocks: anything coarser than grain shows here

const Image& Grass() {
  static const Image grass = tiles::GrassTile();
  return grass;
}

double Brightness(const Rgb& p) { return 0.299 * p.r + 0.587 * p.g + 0.114 * p.b; }

// Mean brightness of the rectangle (x, y, w, h) of the grass tile.
double Mean(int x, int y, int w, int h) {
  double sum = 0;
  for (int dy = 0; dy < h; ++dy) {
    for (int dx = 0; dx < w; ++dx) sum += Brightness(Grass().at(x + dx, y + dy));
  }
  return sum / (w * h);
}

// The band of the given depth along one side of a tile.
double SideBand(Side side, int depth) {
  switch (side) {
    case Side::Right: return Mean(kCell - depth, 0, depth, kCell);
    case Side::Top: return Mean(0, 0, kCell, depth);
    case Side::Left: return Mean(0, 0, depth, kCell);
    case Side::Bottom: return Mean(0, kCell - depth, kCell, depth);
  }
  return 0;
}

TEST(Grass, OppositeSidesOfTheGrassTileAreEquallyBright) {
  for (int depth : {2, 6, 12}) {
    EXPECT_NEAR(SideBand(Side::Left, depth), SideBand(Side::Right, depth), 1.5) << "depth " << depth;
    EXPECT_NEAR(SideBand(Side::Top, depth), SideBand(Side::Bottom, depth), 1.5) << "depth " << depth;
  }
  EXPECT_NEAR(Mean(0, 0, 24, kCell), Mean(24, 0, 24, kCell), 1.0) << "left and right halves";
  EXPECT_NEAR(Mean(0, 0, kCell, 24), Mean(0, 24, kCell, 24), 1.0) << "top and bottom halves";
}

TEST(Grass, TheGrassTileHasNoSlowDriftAcrossIt) {
  double lowest = 255, highest = 0;
  for (int y = 0; y < kCell; y += kBlock) {
    for (int x = 0; x < kCell; x += kBlock) {
      const double block = Mean(x, y, kBlock, kBlock);
      lowest = std::min(lowest, block);
      highest = std::max(highest, block);
    }
  }
  EXPECT_LE(highest - lowest, 3.0) << "12 x 12 blocks range from " << lowest << " to " << highest;
}

}  // namespace
}  // namespace artgen
