// Drawing everything takes a moment, so the set is made once and kept.
#include "tests/unit/art/generated_assets.h"

#include <stdexcept>

namespace art_test {

const std::vector<artgen::Asset>& GeneratedAssets() {
  static const std::vector<artgen::Asset> assets = artgen::MakeAssets();
  return assets;
}

const Bytes& FileNamed(const std::string& name) {
  for (const artgen::Asset& asset : GeneratedAssets()) {
    if (asset.file_name == name) return asset.bytes;
  }
  throw std::runtime_error("the art generator makes no file " + name);
}

DecodedBmp BmpNamed(const std::string& name) { return DecodeBmp(FileNamed(name)); }

}  // namespace art_test
