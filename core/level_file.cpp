// Reading the level file: 63-byte records one after another, nothing else. Only complete
// records count, and only as many as the level table holds.
#include "core/level_file.h"

#include <algorithm>
#include <cstddef>

#include "core/file_io.h"

namespace verlumo {

LevelFileContents ParseLevelRecords(const std::vector<std::uint8_t>& bytes) {
  LevelFileContents contents;
  const std::size_t records = std::min<std::size_t>(bytes.size() / kRecordSize, kMaxLevels);
  for (std::size_t record = 0; record < records; ++record) {
    Board level;
    const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(record * kRecordSize);
    std::copy(first, first + kRecordSize, level.begin());
    // A code without a catalogue entry has no picture and no edges. Later records are not
    // taken either, so that every level keeps the number its saved solved flag belongs to.
    if (!std::all_of(level.begin(), level.end(), IsCatalogued)) {
      contents.error = kLevelFileUnknownTileCode;
      return contents;
    }
    contents.levels.push_back(level);
  }
  if (contents.levels.empty()) contents.error = kLevelFileWithoutLevels;
  return contents;
}

LevelFileContents ReadLevelFile(const std::string& program_directory) {
  const FileRead read =
      ReadFilePrefix(program_directory + kLevelFileName, std::size_t{kMaxLevels} * kRecordSize);
  if (read.error != 0) return {{}, read.error};
  return ParseLevelRecords(read.bytes);
}

}  // namespace verlumo
