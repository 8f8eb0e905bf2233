// The grass and grain textures, computed once per run from integer hashes so that every run
// draws the same bytes.
#include "tools/artgen/tiles/ground.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "tools/artgen/tiles/tile_canvas.h"
#include "tools/artgen/tiles/tile_palette.h"

namespace artgen::tiles {
namespace {

struct SurfaceDeleter {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using SurfaceHandle = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

double Smooth(double t) { return t * t * (3 - 2 * t); }

double Lattice(int ix, int iy, int period, int seed) {
  const int px = ((ix % period) + period) % period;
  const int py = ((iy % period) + period) % period;
  return (Hash(px, py, seed) & 0xffff) / 65535.0;
}

void PutPixel(cairo_surface_t* surface, int x, int y, Colour c, double alpha) {
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const auto channel = [&](double v) {
    return static_cast<std::uint32_t>(std::clamp(v * alpha, 0.0, 1.0) * 255.0 + 0.5);
  };
  const std::uint32_t a = static_cast<std::uint32_t>(std::clamp(alpha, 0.0, 1.0) * 255.0 + 0.5);
  reinterpret_cast<std::uint32_t*>(data + y * stride)[x] =
      (a << 24) | (channel(c.r) << 16) | (channel(c.g) << 8) | channel(c.b);
}

// Short blades of grass in little tufts, each drawn at its place and one tile over in every
// direction so that tufts cut by the tile's border go on in the neighbouring cell.
void PaintTufts(cairo_t* cr) {
  Rng rng(17);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  // One tuft in each square of a 5 x 5 grid, so that they lie evenly and never clump.
  constexpr int kGrid = 5;
  constexpr double kSquare = static_cast<double>(kCell) / kGrid;
  for (int tuft = 0; tuft < kGrid * kGrid; ++tuft) {
    const double x = (tuft % kGrid + rng.Uniform(0.15, 0.85)) * kSquare;
    const double y = (tuft / kGrid + rng.Uniform(0.15, 0.85)) * kSquare;
    const bool light = rng.Below(3) == 0;
    const int blades = 3 + rng.Below(2);
    for (int blade = 0; blade < blades; ++blade) {
      const double lean = rng.Uniform(-1.6, 1.6);
      const double height = rng.Uniform(2.2, 3.8);
      const double foot = rng.Uniform(-1.2, 1.2);
      for (int oy = -1; oy <= 1; ++oy) {
        for (int ox = -1; ox <= 1; ++ox) {
          const double bx = x + foot + ox * kCell;
          const double by = y + oy * kCell;
          cairo_move_to(cr, bx, by);
          cairo_curve_to(cr, bx, by - height * 0.5, bx + lean * 0.6, by - height * 0.8, bx + lean,
                         by - height);
        }
      }
      SetColour(cr, light ? kGrassLight : Shade(kGrassDark, -0.08), light ? 0.75 : 0.55);
      cairo_set_line_width(cr, 0.8);
      cairo_stroke(cr);
    }
  }
}

// A coordinate of the repeated tile, brought back into the tile.
int Wrap(int v) { return (v % kCell + kCell) % kCell; }

double Brightness(std::uint32_t p) {
  return 0.299 * ((p >> 16) & 0xff) + 0.587 * ((p >> 8) & 0xff) + 0.114 * (p & 0xff);
}

// The pixels of a 48 x 48 RGB24 surface, addressed across its borders as the repeated tile
// shows them.
class TilePixels {
 public:
  explicit TilePixels(cairo_surface_t* surface)
      : data_(cairo_image_surface_get_data(surface)), stride_(cairo_image_surface_get_stride(surface)) {}
  std::uint32_t& at(int x, int y) {
    return reinterpret_cast<std::uint32_t*>(data_ + Wrap(y) * stride_)[Wrap(x)];
  }
  void Scale(int x, int y, double gain) {
    std::uint32_t& p = at(x, y);
    const auto channel = [&](int shift) {
      return static_cast<std::uint32_t>(std::clamp(((p >> shift) & 0xff) * gain + 0.5, 0.0, 255.0)) << shift;
    };
    p = (p & 0xff000000u) | channel(16) | channel(8) | channel(0);
  }

 private:
  unsigned char* data_;
  int stride_;
};

// Evens out the tile's brightness at every scale coarser than its grain. First each pixel is
// scaled by the ratio of the tile's mean brightness to the mean of the square around it (taken
// across the tile's borders); then every row and every column is brought to the same mean, so
// the pixels on opposite sides, which meet at a seam, are as bright as each other. A field of
// grass cells then shows no swell, drift or seam that repeats with the cell.
void FlattenBrightness(cairo_surface_t* surface) {
  constexpr int kRadius = 4;
  cairo_surface_flush(surface);
  TilePixels pixels(surface);
  double level[kCell][kCell];
  double mean = 0;
  const auto measure = [&] {
    mean = 0;
    for (int y = 0; y < kCell; ++y) {
      for (int x = 0; x < kCell; ++x) mean += level[y][x] = Brightness(pixels.at(x, y));
    }
    mean /= kCell * kCell;
  };
  for (int pass = 0; pass < 3; ++pass) {
    measure();
    for (int y = 0; y < kCell; ++y) {
      for (int x = 0; x < kCell; ++x) {
        double around = 0;
        for (int dy = -kRadius; dy <= kRadius; ++dy) {
          for (int dx = -kRadius; dx <= kRadius; ++dx) around += level[Wrap(y + dy)][Wrap(x + dx)];
        }
        pixels.Scale(x, y, mean * (2 * kRadius + 1) * (2 * kRadius + 1) / around);
      }
    }
  }
  for (int pass = 0; pass < 2; ++pass) {
    measure();
    for (int y = 0; y < kCell; ++y) {
      double row = 0;
      for (int x = 0; x < kCell; ++x) row += level[y][x];
      for (int x = 0; x < kCell; ++x) pixels.Scale(x, y, mean * kCell / row);
    }
    measure();
    for (int x = 0; x < kCell; ++x) {
      double column = 0;
      for (int y = 0; y < kCell; ++y) column += level[y][x];
      for (int y = 0; y < kCell; ++y) pixels.Scale(x, y, mean * kCell / column);
    }
  }
  cairo_surface_mark_dirty(surface);
}

SurfaceHandle MakeGrassTile() {
  SurfaceHandle surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, kCell, kCell));
  cairo_surface_flush(surface.get());
  for (int y = 0; y < kCell; ++y) {
    for (int x = 0; x < kCell; ++x) {
      // Only fine lattices: a feature as large as a third of the tile would repeat with it.
      const double n = 0.4 * PeriodicNoise(x, y, 8, 1) + 0.35 * PeriodicNoise(x, y, 4, 2) +
                       0.25 * PeriodicNoise(x, y, 3, 3);
      const double warm = PeriodicNoise(x, y, 6, 4);
      const double jitter = ((Hash(x, y, 5) & 0xff) / 255.0 - 0.5) * 0.07;
      Colour c = Mix(kGrassDark, kGrassLight, std::clamp(0.15 + 0.7 * n + jitter, 0.0, 1.0));
      c = Mix(c, Rgb255(150, 180, 80), 0.18 * warm);
      PutPixel(surface.get(), x, y, c, 1.0);
    }
  }
  cairo_surface_mark_dirty(surface.get());
  cairo_t* cr = cairo_create(surface.get());
  PaintTufts(cr);
  cairo_destroy(cr);
  FlattenBrightness(surface.get());
  return surface;
}

// Grain: a faint fleckle of light and dark, mirrored about the tile's middle in both
// directions. `strength` is the largest alpha of a fleck.
SurfaceHandle MakeGrain(int seed, double strength, double density) {
  SurfaceHandle surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kCell, kCell));
  cairo_surface_flush(surface.get());
  for (int y = 0; y < kCell; ++y) {
    for (int x = 0; x < kCell; ++x) {
      const int fx = std::min(x, kCell - 1 - x);
      const int fy = std::min(y, kCell - 1 - y);
      const std::uint32_t h = Hash(fx, fy, seed);
      const double level = (h & 0xffff) / 65535.0;
      const bool fleck = ((h >> 16) & 0xff) / 255.0 < density;
      const double alpha = fleck ? strength * (0.4 + 0.6 * level) : strength * 0.25 * level;
      PutPixel(surface.get(), x, y, (h >> 24) & 1 ? Colour{1, 1, 1} : Colour{0, 0, 0}, alpha);
    }
  }
  cairo_surface_mark_dirty(surface.get());
  return surface;
}

struct Textures {
  SurfaceHandle grass = MakeGrassTile();
  SurfaceHandle asphalt = MakeGrain(11, 0.10, 0.25);
  SurfaceHandle gravel = MakeGrain(12, 0.22, 0.35);
  SurfaceHandle stone = MakeGrain(13, 0.10, 0.20);
  SurfaceHandle water = MakeGrain(14, 0.05, 0.10);
};

const Textures& TheTextures() {
  static const Textures textures;
  return textures;
}

// Sets a repeating texture as the source, fixed to the canvas rather than to the current
// transformation, so that rotated or shifted drawing still lines up with the cell grid.
void SetCanvasAlignedSource(cairo_t* cr, cairo_surface_t* texture) {
  cairo_matrix_t user;
  cairo_get_matrix(cr, &user);
  cairo_identity_matrix(cr);
  cairo_set_source_surface(cr, texture, 0, 0);
  cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_REPEAT);
  cairo_set_matrix(cr, &user);
}

// The key under which a cairo context keeps its GrassFill.
const cairo_user_data_key_t kGrassFillKey{};

GrassFill FillOf(cairo_t* cr) {
  const void* fill = cairo_get_user_data(cr, &kGrassFillKey);
  return fill == nullptr ? GrassFill::Textured : *static_cast<const GrassFill*>(fill);
}

}  // namespace

std::uint32_t Rng::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

double Rng::Uniform(double low, double high) { return low + (high - low) * (Next() % 100000) / 100000.0; }

int Rng::Below(int count) { return static_cast<int>(Next() % static_cast<std::uint32_t>(count)); }

std::uint32_t Hash(int x, int y, int seed) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u +
                    static_cast<std::uint32_t>(seed) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return h ^ (h >> 16);
}

double PeriodicNoise(double x, double y, int lattice, int seed) {
  const int period = kCell / lattice;
  const double gx = x / lattice;
  const double gy = y / lattice;
  const int ix = static_cast<int>(std::floor(gx));
  const int iy = static_cast<int>(std::floor(gy));
  const double tx = Smooth(gx - ix);
  const double ty = Smooth(gy - iy);
  const double top = Lattice(ix, iy, period, seed) * (1 - tx) + Lattice(ix + 1, iy, period, seed) * tx;
  const double bottom =
      Lattice(ix, iy + 1, period, seed) * (1 - tx) + Lattice(ix + 1, iy + 1, period, seed) * tx;
  return top * (1 - ty) + bottom * ty;
}

void PaintGrass(cairo_t* cr) {
  cairo_save(cr);
  SetGrassSource(cr);
  cairo_paint(cr);
  cairo_restore(cr);
}

void SetGrassFill(cairo_t* cr, GrassFill fill) {
  static constexpr GrassFill kFills[] = {GrassFill::Textured, GrassFill::Black, GrassFill::White};
  cairo_set_user_data(cr, &kGrassFillKey, const_cast<GrassFill*>(&kFills[static_cast<int>(fill)]), nullptr);
}

void SetGrassSource(cairo_t* cr) {
  switch (FillOf(cr)) {
    case GrassFill::Textured: SetCanvasAlignedSource(cr, TheTextures().grass.get()); break;
    case GrassFill::Black: cairo_set_source_rgb(cr, 0, 0, 0); break;
    case GrassFill::White: cairo_set_source_rgb(cr, 1, 1, 1); break;
  }
}

Image GrassTile() {
  cairo_surface_t* grass = TheTextures().grass.get();
  cairo_surface_flush(grass);
  const unsigned char* data = cairo_image_surface_get_data(grass);
  const int stride = cairo_image_surface_get_stride(grass);
  Image tile(kCell, kCell);
  for (int y = 0; y < kCell; ++y) {
    const auto* line = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
    for (int x = 0; x < kCell; ++x) {
      tile.at(x, y) = {static_cast<std::uint8_t>(line[x] >> 16), static_cast<std::uint8_t>(line[x] >> 8),
                       static_cast<std::uint8_t>(line[x])};
    }
  }
  return tile;
}

void SetGrainSource(cairo_t* cr, Grain grain) {
  const Textures& textures = TheTextures();
  cairo_surface_t* texture = textures.asphalt.get();
  if (grain == Grain::Gravel) texture = textures.gravel.get();
  if (grain == Grain::Stone) texture = textures.stone.get();
  if (grain == Grain::Water) texture = textures.water.get();
  SetCanvasAlignedSource(cr, texture);
}

}  // namespace artgen::tiles
