// Writing the files and the contact sheet: what lands on disk is exactly what was made, a folder
// that cannot be written is reported by name, and the contact sheet keeps every picture on its
// page.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tools/artgen/asset_set.h"
#include "tools/artgen/contact_sheet.h"

namespace art_test {
namespace {

namespace fs = std::filesystem;

fs::path FreshFolder(const std::string& name) {
  const fs::path folder = fs::temp_directory_path() / name;
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

TEST(WriteAssets, WritesEachFileWithItsExactBytes) {
  const fs::path folder = FreshFolder("verlumo_artgen_write_test");
  const std::vector<artgen::Asset> assets{{"one.bin", {1, 2, 3}, {}, 1},
                                          {"two.bin", {0, 255}, {}, 1}};
  artgen::WriteAssets(folder.string(), assets);
  for (const artgen::Asset& asset : assets) {
    std::ifstream in(folder / asset.file_name, std::ios::binary);
    const artgen::Bytes read((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
    EXPECT_EQ(read, asset.bytes) << asset.file_name;
  }
  fs::remove_all(folder);
}

TEST(WriteAssets, NamesTheFileItCannotWrite) {
  const fs::path missing = fs::temp_directory_path() / "verlumo_artgen_no_such_folder" / "deeper";
  fs::remove_all(missing.parent_path());
  try {
    artgen::WriteAssets(missing.string(), {{"tiles.bmp", {1}, {}, 1}});
    FAIL() << "writing into a missing folder must fail";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("tiles.bmp"), std::string::npos) << error.what();
  }
}

// Pictures wrap onto new lines rather than running off the page, and the page grows to hold
// them all.
TEST(ContactSheet, KeepsEveryPictureOnThePage) {
  artgen::ContactSheet sheet(300);
  sheet.Section("Section");
  const artgen::Image red(50, 40, artgen::Rgb{255, 0, 0});
  for (int i = 0; i < 9; ++i) sheet.Add("label", red, 2);
  const artgen::Image page = sheet.Render();
  EXPECT_EQ(page.width, 300);
  int red_pixels = 0;
  for (const artgen::Rgb& p : page.pixels) red_pixels += p == artgen::Rgb{255, 0, 0} ? 1 : 0;
  EXPECT_EQ(red_pixels, 9 * 100 * 80);
}

TEST(ContactSheet, ReportsAPageItCannotWrite) {
  EXPECT_THROW(artgen::WritePng("/nonexistent-folder/contact.png", artgen::Image(2, 2)),
               std::runtime_error);
}

}  // namespace
}  // namespace art_test
