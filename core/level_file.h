// Reading the level file "vlmo.dat": a plain sequence of 63-byte level records, at most 500.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/board.h"

namespace verlumo {

constexpr int kMaxLevels = 500;
constexpr int kRecordSize = kCells;
constexpr const char* kLevelFileName = "vlmo.dat";

// Error numbers of our own for files that open and read but cannot be used.
constexpr int kLevelFileWithoutLevels = 100;    // not even one complete record
constexpr int kLevelFileUnknownTileCode = 101;  // a record holds a code from 200 to 255

struct LevelFileContents {
  std::vector<Board> levels;  // the usable records, in file order
  int error = 0;              // non-zero when the player must be told
};

// Splits the file's bytes into records: a trailing part-record and everything after the 500th
// record are ignored. A record holding an uncatalogued code ends the usable levels there (the
// levels before it keep their numbers) and is reported.
LevelFileContents ParseLevelRecords(const std::vector<std::uint8_t>& bytes);

// Reads program_directory + "vlmo.dat". When the file cannot be opened or read, no level is
// kept and error holds the system's error number.
LevelFileContents ReadLevelFile(const std::string& program_directory);

}  // namespace verlumo
