// verlumo_rules_pictures OUTDIR LEVELDIR: draws the pictures of the rules pages as PNG files into
// OUTDIR, from the game's art and, for the picture of a solved level, from the level file
// LEVELDIR/vlmo.dat.
#include <exception>
#include <filesystem>
#include <iostream>

#include "core/level_file.h"
#include "tools/artgen/contact_sheet.h"
#include "tools/artgen/rules_pictures.h"

namespace {

// The solved level shown: big enough to show a road network with bridges, small enough to take
// in at a glance.
constexpr int kSolvedLevelShown = 100;

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: verlumo_rules_pictures OUTDIR LEVELDIR\n";
    return 2;
  }
  const std::string folder = argv[1];
  std::string level_folder = argv[2];
  if (!level_folder.empty() && level_folder.back() != '/') level_folder += '/';
  const verlumo::LevelFileContents levels = verlumo::ReadLevelFile(level_folder);
  if (levels.error != 0 || levels.levels.empty()) {
    std::cerr << "verlumo_rules_pictures: cannot read " << level_folder << "vlmo.dat (error " << levels.error << ")\n";
    return 1;
  }
  try {
    std::filesystem::create_directories(folder);
    for (const artgen::RulesPicture& picture :
         artgen::MakeRulesPictures(artgen::MakeAssets(), levels.levels, kSolvedLevelShown)) {
      artgen::WritePng(folder + "/" + picture.file_name, picture.image);
    }
  } catch (const std::exception& error) {
    std::cerr << "verlumo_rules_pictures: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
