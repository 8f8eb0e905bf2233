// Textures that repeat every tile: the grass that all pictures stand on, and the fine grain of
// asphalt, gravel and stone. Grass repeats with the tile, so neighbouring cells join without a
// seam; the grain is also mirrored about the tile's middle, so that a road's first and last
// pixel columns are alike and two road ends meet as one road.
#pragma once

#include <cairo.h>

#include <cstdint>

namespace artgen::tiles {

// A small deterministic random source for placing details.
class Rng {
 public:
  explicit Rng(std::uint32_t seed) : state_(seed * 2654435761u + 0x9e3779b9u) {}
  std::uint32_t Next();
  double Uniform(double low, double high);  // in [low, high)
  int Below(int count);                     // in [0, count)

 private:
  std::uint32_t state_;
};

std::uint32_t Hash(int x, int y, int seed);

// Smooth value noise in [0, 1] that repeats every 48 pixels; `lattice` divides 48.
double PeriodicNoise(double x, double y, int lattice, int seed);

// Fills the clip with grass, aligned to the canvas so that every cell shows the same grass.
void PaintGrass(cairo_t* cr);
// Makes grass the source, for filling paths (an island, a garden) with it.
void SetGrassSource(cairo_t* cr);

enum class Grain { Asphalt, Gravel, Stone, Water };
// Makes a grain the source; filling or stroking with it lays the grain over what is there.
void SetGrainSource(cairo_t* cr, Grain grain);

}  // namespace artgen::tiles
