// File access of the puzzle core through the C library, which gives us error numbers and opens
// files without locking them against other readers and writers. Paths arrive as UTF-8; on
// Windows they are widened so that folder names with umlauts work.
#include "core/file_io.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

#ifdef _WIN32
#include <io.h>  // _commit
#else
#include <unistd.h>  // fsync
#endif

namespace verlumo {
namespace {

namespace fs = std::filesystem;

// A failure whose cause the system did not name still has to be reported as a failure.
int ErrorNumber(int system_error) { return system_error != 0 ? system_error : EIO; }
int LastError() { return ErrorNumber(errno); }

// Empty when the text cannot name a file (on Windows: not valid UTF-8).
std::optional<fs::path> PathFromUtf8(const std::string& text) {
  try {
    return fs::path(std::u8string(text.begin(), text.end()));
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

std::FILE* OpenFile(const fs::path& path, const char* mode) {
#ifdef _WIN32
  const std::wstring wide_mode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(path.c_str(), wide_mode.c_str());
#else
  return std::fopen(path.c_str(), mode);
#endif
}

// Pushes the written bytes from the system's cache to the drive, so that the file we rename
// into place is complete even if the machine stops right after.
int SyncToDrive(std::FILE* file) {
#ifdef _WIN32
  return _commit(_fileno(file));
#else
  return fsync(fileno(file));
#endif
}

// Writes, flushes, syncs and closes; the first failure decides the result, and the file is
// closed in every case.
int WriteAndClose(std::FILE* file, const std::vector<std::uint8_t>& bytes) {
  int error = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) error = LastError();
  if (error == 0 && std::fflush(file) != 0) error = LastError();
  if (error == 0 && SyncToDrive(file) != 0) error = LastError();
  if (std::fclose(file) != 0 && error == 0) error = LastError();
  return error;
}

}  // namespace

bool FileExists(const std::string& path) {
  const std::optional<fs::path> file = PathFromUtf8(path);
  if (!file) return false;
  std::error_code error;
  const fs::file_status status = fs::status(*file, error);
  return !error && fs::exists(status) && !fs::is_directory(status);
}

FileRead ReadFilePrefix(const std::string& path, std::size_t max_bytes) {
  FileRead result;
  const std::optional<fs::path> name = PathFromUtf8(path);
  if (!name) {
    result.error = EILSEQ;
    return result;
  }
  errno = 0;
  std::FILE* file = OpenFile(*name, "rb");
  if (file == nullptr) {
    result.error = LastError();
    return result;
  }
  result.bytes.resize(max_bytes);
  const std::size_t count = std::fread(result.bytes.data(), 1, max_bytes, file);
  result.bytes.resize(count);
  if (count < max_bytes && std::ferror(file)) result.error = LastError();
  std::fclose(file);  // nothing was written, so closing cannot lose anything
  return result;
}

int ReplaceFileContents(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const std::optional<fs::path> target = PathFromUtf8(path);
  if (!target) return EILSEQ;
  fs::path temporary = *target;
  temporary += ".tmp";

  errno = 0;
  std::FILE* file = OpenFile(temporary, "wb");
  if (file == nullptr) return LastError();
  int error = WriteAndClose(file, bytes);
  if (error == 0) {
    std::error_code rename_error;
    fs::rename(temporary, *target, rename_error);
    if (rename_error) error = ErrorNumber(rename_error.value());
  }
  if (error != 0) {
    std::error_code ignored;  // the failure being reported matters more than the clean-up
    fs::remove(temporary, ignored);
  }
  return error;
}

}  // namespace verlumo
