// The pictures of the rules pages, drawn from the game's own art by the game's own board
// painter: the three road kinds, a fixed and a movable tile, the selected tile with its car, a
// swap before and after, a solved level, and the toolbar with its controls numbered.
#pragma once

#include <cstddef>  // size_t, which image.h uses
#include <string>
#include <vector>

#include "core/board.h"
#include "tools/artgen/asset_set.h"
#include "tools/artgen/image.h"

namespace artgen {

struct RulesPicture {
  std::string file_name;  // as the rules pages refer to it
  Image image;
};

// The solved level is level `solved` of the levels, drawn as the game shows it once solved, with
// the gauge of a game in which every level up to it is solved. Throws std::runtime_error when
// the sheets in the assets cannot be read as the game reads them.
std::vector<RulesPicture> MakeRulesPictures(const std::vector<Asset>& assets, const std::vector<verlumo::Board>& levels,
                                            int solved);

}  // namespace artgen
