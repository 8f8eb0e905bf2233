// verlumo_assetpack: turns a BMP or WAVE file into the asset record the game embeds.
//   verlumo_assetpack [--identifier N] INPUT OUTPUT
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "tools/assetpack/asset_record_writer.h"

int main(int argc, char** argv) {
  std::optional<std::int32_t> identifier;
  int first = 1;
  if (argc == 5 && std::string(argv[1]) == "--identifier") {
    identifier = static_cast<std::int32_t>(std::strtol(argv[2], nullptr, 10));
    first = 3;
  }
  if (argc - first != 2) {
    std::fprintf(stderr, "usage: verlumo_assetpack [--identifier N] INPUT OUTPUT\n");
    return 2;
  }
  std::ifstream input(argv[first], std::ios::binary);
  if (!input) {
    std::fprintf(stderr, "verlumo_assetpack: cannot read %s\n", argv[first]);
    return 1;
  }
  const std::vector<std::uint8_t> image{std::istreambuf_iterator<char>(input), {}};
  const std::vector<std::uint8_t> record = verlumo::WriteAssetRecord(image, identifier);
  std::ofstream output(argv[first + 1], std::ios::binary);
  output.write(reinterpret_cast<const char*>(record.data()), static_cast<std::streamsize>(record.size()));
  if (!output.flush()) {
    std::fprintf(stderr, "verlumo_assetpack: cannot write %s\n", argv[first + 1]);
    return 1;
  }
  return 0;
}
