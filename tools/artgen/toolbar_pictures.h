// The pictures of the main window's toolbar buttons, as keyed glyph pictures (see
// button_picture.h). Those with a disabled state hold the normal and the greyed image side by
// side.
#pragma once

#include <cstddef>  // size_t, which image.h uses
#include <string>
#include <vector>

#include "tools/artgen/image.h"

namespace artgen {

struct NamedPicture {
  std::string file_name;
  Image image;
};

// Every toolbar button's picture, under the file name the layout gives it.
std::vector<NamedPicture> ToolbarButtonPictures();

}  // namespace artgen
