// The kinds of place a level can be: a meadow, a wood, a lakeside, a river valley, a railway,
// a village, farmland, an industrial estate, a town. A theme names the scenery it is made of
// and the roads that suit it; furnishing a draft places that scenery within a budget of cells.
#pragma once

#include <string_view>
#include <vector>

#include "tools/levels/level_random.h"
#include "tools/levels/road_filler.h"
#include "tools/levels/scenery_planner.h"

namespace verlumo::levels {

// Groups of scenery pieces, each found in the scenery catalogue by family or name.
enum class Ingredient {
  Decor,      // trees, fields, a pond, a village green: no roads
  House,      // a single building at the end of a lane
  RoadEnd,    // a petrol station or bus depot at the end of a road
  FixedRoad,  // a fixed stretch or bend of road
  FixedLane,  // a fixed stretch or bend of lane
  Lake,
  LakeBridge,  // a lake with a bridge across it
  Forest,
  Manor,
  Factory,
  Church,
  Farm,
  Pitch,
  River,    // with one or two bridges
  Railway,  // with level crossings or bridges, sometimes a station
};

struct ThemeStep {
  Ingredient what;
  int least;
  int most;
};

enum class RoadLook { Town, Country, Mixed };

struct Theme {
  std::string_view name;
  double from_progress;  // the share of the file (0 to 1) before which the theme is not used
  RoadLook look;
  std::vector<ThemeStep> steps;
};

const std::vector<Theme>& Themes();

// Places the theme's scenery, and `extra_anchors` more houses and fixed roads, using at most
// `most_cells` cells. False when the scenery did not fit.
bool Furnish(Draft& draft, LevelRandom& random, const Theme& theme, int extra_anchors,
             int most_cells);

// A road style that suits the look, varied by the random source; `progress` (0 to 1) makes
// junctions more common through the file.
RoadStyle StyleFor(RoadLook look, double progress, LevelRandom& random);

}  // namespace verlumo::levels
