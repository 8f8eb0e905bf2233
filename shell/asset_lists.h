// The bitmap list and the sound list, read whole from the program's resources before the main
// window is set up: each item is an asset record holding a BMP or RIFF WAVE file image.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace verlumo {

struct AssetLists {
  std::array<std::vector<std::uint8_t>, 3> bitmaps;  // tile sheet, frame sheet, glyph sheet
  std::array<std::vector<std::uint8_t>, 2> sounds;   // solved sound, click sound
  std::string error;                                 // empty when every record was read
};

AssetLists LoadAssetLists();

}  // namespace verlumo
