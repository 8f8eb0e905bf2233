// The scratch folder and file writing of the fuzz targets.
#include "tests/fuzz/fuzz_support.h"

#include <cstdint>
#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace verlumo::fuzz {

std::string ScratchFolder() {
  static const std::string folder = [] {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("verlumo-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(path);
    return path.string() + "/";
  }();
  return folder;
}

void WriteWholeFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  Require(file.good(), "the fuzz target can write its scratch file");
}

}  // namespace verlumo::fuzz
