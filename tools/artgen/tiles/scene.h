// A scene is one painting on a canvas of one or more cells, from which the pictures of one or
// more tile codes are cut. Larger scenery is one scene, so its parts fit together exactly.
#pragma once

#include <cairo.h>

#include <functional>
#include <vector>

#include "core/tile_catalogue.h"

namespace artgen::tiles {

struct Cut {
  verlumo::TileCode code;
  int column;
  int row;
};

struct Scene {
  int columns = 1;
  int rows = 1;
  std::function<void(cairo_t*)> paint;
  std::vector<Cut> cuts;
};

// A one-cell scene for one code.
Scene SingleTile(verlumo::TileCode code, std::function<void(cairo_t*)> paint);

// The scenes of every group of codes; together they cover all 200 codes once.
std::vector<Scene> MovableScenes();
std::vector<Scene> WaterScenes();
std::vector<Scene> RailScenes();
std::vector<Scene> BuildingScenes();
std::vector<Scene> CountrysideScenes();

}  // namespace artgen::tiles
