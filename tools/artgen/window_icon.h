// The window icon: two grey roads with yellow dashed centre lines crossing on green ground, a
// red-bordered triangular road sign at the crossing.
#pragma once

#include <string>
#include <vector>

#include "tools/artgen/ico_writer.h"

namespace artgen {

// The images of verlumo.ico: 32 x 32 in 16 colours (the one every Windows can show), then
// 32 x 32 and 16 x 16 in true colour with smooth edges.
std::vector<IconImage> DrawWindowIcon();

// The same drawing as the page's app icon, size x size with smooth edges, written as a PNG.
void WriteAppIcon(const std::string& path, int size);

}  // namespace artgen
