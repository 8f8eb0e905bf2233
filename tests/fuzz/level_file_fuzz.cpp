// The level file, read from a buffer and through a real file: only catalogued codes reach the
// level table, records keep their numbers, and both ways read the same levels.
#include <cstdint>
#include <vector>

#include "core/level_file.h"
#include "tests/fuzz/fuzz_support.h"

using namespace verlumo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  const LevelFileContents parsed = ParseLevelRecords(bytes);

  const std::size_t whole_records = std::min<std::size_t>(size / kRecordSize, kMaxLevels);
  fuzz::Require(parsed.levels.size() <= whole_records, "no more levels than whole records, at most 500");
  for (std::size_t level = 0; level < parsed.levels.size(); ++level) {
    for (int cell = 0; cell < kCells; ++cell) {
      const TileCode code = parsed.levels[level][static_cast<std::size_t>(cell)];
      fuzz::Require(code < kCataloguedCodes, "a loaded level has only codes below 200");
      fuzz::Require(code == data[level * kRecordSize + static_cast<std::size_t>(cell)],
                    "level n is record n, byte for byte");
    }
  }
  fuzz::Require((parsed.error == 0) == (parsed.levels.size() == whole_records && whole_records > 0),
                "a level file is refused exactly when a record is missing or unusable");

  const std::string folder = fuzz::ScratchFolder();
  fuzz::WriteWholeFile(folder + kLevelFileName, data, size);
  const LevelFileContents read = ReadLevelFile(folder);
  fuzz::Require(read.error == parsed.error && read.levels == parsed.levels,
                "the file reads as its bytes parse");
  return 0;
}
