// Textures that repeat every tile: the grass that all pictures stand on, and the fine grain of
// asphalt, gravel and stone. Grass repeats with the tile, so neighbouring cells join without a
// seam; the grain is also mirrored about the tile's middle, so that a road's first and last
// pixel columns are alike and two road ends meet as one road.
#pragma once

#include <cairo.h>

#include <cstddef>  // image.h uses size_t
#include <cstdint>

#include "tools/artgen/image.h"

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

// What the grass of a canvas is painted with: the grass texture, or one flat colour. Painting the
// same scenes on black and on white grass shows how much grass each pixel lets through, so that
// the ground can be laid anew under finished pictures without touching what stands on it.
enum class GrassFill { Textured, Black, White };
// Paints all grass drawn through `cr` from now on with `fill`.
void SetGrassFill(cairo_t* cr, GrassFill fill);

// Fills the clip with grass, aligned to the canvas so that every cell shows the same grass.
void PaintGrass(cairo_t* cr);
// Makes grass the source, for filling paths (an island, a garden) with it.
void SetGrassSource(cairo_t* cr);
// The grass texture's 48 x 48 pixels, as every cell shows them where nothing covers the grass.
Image GrassTile();

enum class Grain { Asphalt, Gravel, Stone, Water };
// Makes a grain the source; filling or stroking with it lays the grain over what is there.
void SetGrainSource(cairo_t* cr, Grain grain);

}  // namespace artgen::tiles
