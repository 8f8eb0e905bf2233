// File access of the puzzle core through the C library, which gives us error numbers and opens
// files without locking them against other readers and writers. Paths arrive as UTF-8; on
// Windows they are widened so that folder names with umlauts work. Plain C calls rather than
// the C++ file system library: that library brings the stream and locale machinery along,
// about a megabyte of code the game would load for four calls.
#include "core/file_io.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <optional>

#ifdef _WIN32
#include <io.h>  // _commit

#include "core/utf8.h"

// kernel32's rename that may replace an existing file; the C runtime's _wrename refuses to,
// and the core does without the window system's headers.
extern "C" __declspec(dllimport) int __stdcall MoveFileExW(const wchar_t* existing, const wchar_t* target,
                                                           unsigned long flags);
extern "C" __declspec(dllimport) unsigned long __stdcall GetLastError();
#else
#include <unistd.h>  // fsync
#endif

namespace verlumo {
namespace {

// A failure whose cause the system did not name still has to be reported as a failure.
int ErrorNumber(int system_error) { return system_error != 0 ? system_error : EIO; }
int LastError() { return ErrorNumber(errno); }

#ifdef _WIN32
using NativePath = std::wstring;

// Empty when the text is not valid UTF-8, and so cannot name a file.
std::optional<NativePath> NativePathOf(const std::string& text) {
  const std::optional<std::u16string> utf16 = Utf8ToUtf16(text);
  if (!utf16) return std::nullopt;
  return NativePath(utf16->begin(), utf16->end());
}

std::FILE* OpenFile(const NativePath& path, const char* mode) {
  const std::wstring wide_mode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(path.c_str(), wide_mode.c_str());
}

bool IsExistingFile(const NativePath& path) {
  struct _stat64 status {};
  return _wstat64(path.c_str(), &status) == 0 && (status.st_mode & _S_IFMT) != _S_IFDIR;
}

// Puts from in place of to, replacing it. A refusal is EACCES, any other failure EIO: the
// system's own reasons have no error numbers.
int MoveIntoPlace(const NativePath& from, const NativePath& to) {
  constexpr unsigned long kReplaceExisting = 0x1, kCopyAllowed = 0x2, kAccessDenied = 5;
  if (MoveFileExW(from.c_str(), to.c_str(), kReplaceExisting | kCopyAllowed) != 0) return 0;
  return GetLastError() == kAccessDenied ? EACCES : EIO;
}

void RemoveFile(const NativePath& path) { _wremove(path.c_str()); }

// Pushes the written bytes from the system's cache to the drive, so that the file we rename
// into place is complete even if the machine stops right after.
int SyncToDrive(std::FILE* file) { return _commit(_fileno(file)); }
#else
using NativePath = std::string;

std::optional<NativePath> NativePathOf(const std::string& text) { return text; }

std::FILE* OpenFile(const NativePath& path, const char* mode) { return std::fopen(path.c_str(), mode); }

bool IsExistingFile(const NativePath& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
}

int MoveIntoPlace(const NativePath& from, const NativePath& to) {
  errno = 0;
  return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : LastError();
}

void RemoveFile(const NativePath& path) { std::remove(path.c_str()); }

int SyncToDrive(std::FILE* file) { return fsync(fileno(file)); }
#endif

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
  const std::optional<NativePath> file = NativePathOf(path);
  return file && IsExistingFile(*file);
}

FileRead ReadFilePrefix(const std::string& path, std::size_t max_bytes) {
  FileRead result;
  const std::optional<NativePath> name = NativePathOf(path);
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
  const std::optional<NativePath> target = NativePathOf(path);
  const std::optional<NativePath> temporary = NativePathOf(path + ".tmp");
  if (!target || !temporary) return EILSEQ;

  errno = 0;
  std::FILE* file = OpenFile(*temporary, "wb");
  if (file == nullptr) return LastError();
  int error = WriteAndClose(file, bytes);
  if (error == 0) error = MoveIntoPlace(*temporary, *target);
  if (error != 0) RemoveFile(*temporary);  // the failure being reported matters more than the clean-up
  return error;
}

}  // namespace verlumo
