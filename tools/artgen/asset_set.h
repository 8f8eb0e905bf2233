// The game's art and sound files: every file the art generator makes, drawn and encoded in
// memory, ready to be written into the asset folder.
#pragma once

#include <cstddef>  // size_t, which image.h uses
#include <string>
#include <vector>

#include "tools/artgen/byte_writer.h"
#include "tools/artgen/image.h"

namespace artgen {

struct Asset {
  std::string file_name;  // as the resource script names it
  Bytes bytes;            // the whole file
  Image preview;          // how it looks (glyphs on a button face); empty for sounds
  int preview_scale = 1;  // enlargement that makes it easy to judge
};

std::vector<Asset> MakeAssets();

// The asset of that file name, or null.
const Asset* FindAsset(const std::vector<Asset>& assets, const std::string& file_name);

// Writes every asset into the folder (which must exist); throws naming the file that failed.
void WriteAssets(const std::string& folder, const std::vector<Asset>& assets);

}  // namespace artgen
