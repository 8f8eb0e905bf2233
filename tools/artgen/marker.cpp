// The mask must be exactly black and white and the sprite exactly black wherever the mask is
// white, or the AND/OR drawing would tint the tile around the car. So the smooth drawing is cut
// at half coverage: pixels at least half covered are the car, with their full colour (the car's
// dark outline makes the cut edge look clean), and all other pixels are nothing at all. A car
// pixel may itself be black; that is harmless, since the mask, not the sprite, says where the
// car is.
#include "tools/artgen/marker.h"

#include <cmath>

#include "tools/artgen/canvas.h"
#include "tools/artgen/car.h"

namespace artgen {

MarkerFrame DrawMarkerFrame(int k) {
  Canvas canvas(kMarkerSize, kMarkerSize);
  // The roof is drawn up the screen, so the car's middle sits a little below the frame's; the
  // car then keeps clear of the frame's border at every heading.
  PaintCar(canvas.cr(), kMarkerSize / 2.0, kMarkerSize / 2.0 + 0.5, k * M_PI / 4, 1.0);
  MarkerFrame frame{Image(kMarkerSize, kMarkerSize, Rgb{0, 0, 0}),
                    Image(kMarkerSize, kMarkerSize, Rgb{255, 255, 255})};
  for (int y = 0; y < kMarkerSize; ++y) {
    for (int x = 0; x < kMarkerSize; ++x) {
      const CoveredPixel p = canvas.pixel(x, y);
      if (p.alpha >= 0.5) {
        frame.sprite.at(x, y) = p.colour;
        frame.mask.at(x, y) = Rgb{0, 0, 0};
      }
    }
  }
  return frame;
}

}  // namespace artgen
