// The movable tiles: grass (code 0) and the 90 road pieces the player swaps. Codes that share an
// edge word differ in their middles (a roundabout, a zebra crossing, a car park) and in the
// details strewn over their grass.
#include <cairo.h>

#include "tools/artgen/tiles/details.h"
#include "tools/artgen/tiles/lawn.h"
#include "tools/artgen/tiles/nature.h"
#include "tools/artgen/tiles/road_painter.h"
#include "tools/artgen/tiles/scene.h"

namespace artgen::tiles {
namespace {

RoadStyle StyleOf(verlumo::TileCode code) {
  RoadStyle style;
  switch (code) {
    case 3: style.junction = Junction::Zebra; break;
    case 58: style.junction = Junction::Roundabout; break;
    case 48: style.junction = Junction::TreeIsland; break;
    case 15: case 16: case 46: case 47: style.overpass = true; break;
    case 59: case 60: case 61: case 62: style.dead_end = RoadEnd::CarPark; break;
    default: break;
  }
  return style;
}

// A wooden signpost at a lane crossing, pointing down both lanes.
void PaintSignpost(cairo_t* cr, double x, double y) {
  SetColour(cr, kShadow, 0.3);
  cairo_rectangle(cr, x - 0.5, y + 0.5, 8, 2.5);
  cairo_rectangle(cr, x + 0.5, y - 6.5, 2.5, 8);
  cairo_fill(cr);
  SetColour(cr, Shade(kWood, 0.2));
  cairo_rectangle(cr, x - 1.5, y - 1.5, 8, 2.5);
  cairo_rectangle(cr, x - 1.5, y - 7.5, 2.5, 8);
  cairo_fill(cr);
  cairo_arc(cr, x - 0.25, y - 0.25, 1.4, 0, 6.3);
  SetColour(cr, kWoodDark);
  cairo_fill(cr);
}

Scene MovableTile(verlumo::TileCode code) {
  return SingleTile(code, [code](cairo_t* cr) {
    if (code == verlumo::kEmptyTile) {
      // Plain grass, a lawn with small life all over it, so a stretch of empty pieces is not bare.
      PaintPlainLawn(cr);
      return;
    }
    const RoadKinds kinds = KindsOf(verlumo::EdgeWordOf(code));
    const RoadStyle style = StyleOf(code);
    PaintRoads(cr, kinds, style);
    Footprint footprint([&](cairo_t* mask) { PaintRoads(mask, kinds, style); });
    if (code == 49) {
      PaintSignpost(cr, 11, 12);
      footprint.Take(10, 10, 7);
    }
    StrewDetails(cr, footprint, code, 2 + code % 3, code % 4 == 0 ? Details::Wild : Details::Flowers);
    StrewLawn(cr, footprint, code, 2);
  });
}

}  // namespace

Scene SingleTile(verlumo::TileCode code, std::function<void(cairo_t*)> paint) {
  Scene scene;
  scene.paint = std::move(paint);
  scene.cuts = {{code, 0, 0}};
  return scene;
}

std::vector<Scene> MovableScenes() {
  std::vector<Scene> scenes;
  for (int code = 0; code <= verlumo::kLastMovableCode; ++code) {
    scenes.push_back(MovableTile(static_cast<verlumo::TileCode>(code)));
  }
  return scenes;
}

}  // namespace artgen::tiles
