// The few file operations the puzzle core needs, on paths given as UTF-8 text. Reads share the
// file with other readers and writers; a replacement is written beside the old file first, so a
// failed write never destroys what was there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace verlumo {

bool FileExists(const std::string& path);

struct FileRead {
  std::vector<std::uint8_t> bytes;  // what was read before the end of the file or an error
  int error = 0;                    // 0, or the system's non-zero error number
};

// Reads at most max_bytes from the start of the file.
FileRead ReadFilePrefix(const std::string& path, std::size_t max_bytes);

// Writes the bytes to a temporary file in the same folder and only then puts it in place of
// path. Returns 0 on success, else the system's non-zero error number; on failure the file at
// path is left exactly as it was.
int ReplaceFileContents(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace verlumo
