// The contact sheet of the game's art: every tile labelled by its code, the preview scenes
// built from the tile sheet, the board area as the game composes it, and every other picture
// and sound, enlarged where small.
#pragma once

#include <cstddef>  // size_t, which image.h uses
#include <vector>

#include "tools/artgen/asset_set.h"
#include "tools/artgen/image.h"

namespace artgen {

Image ReviewSheet(const std::vector<Asset>& assets);

}  // namespace artgen
