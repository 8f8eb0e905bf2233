// Splitting and renaming paths held as text. Game file names come from Windows file dialogs
// and the settings store, so both '\' and '/' separate folders.
#include "core/paths.h"

namespace verlumo {
namespace {

constexpr const char* kSeparators = "\\/";

// Index just past the last separator: where the last component starts.
std::size_t LastComponentStart(const std::string& path) {
  const std::size_t separator = path.find_last_of(kSeparators);
  return separator == std::string::npos ? 0 : separator + 1;
}

}  // namespace

std::string FileNameOf(const std::string& path) { return path.substr(LastComponentStart(path)); }

std::string FolderOf(const std::string& path) { return path.substr(0, LastComponentStart(path)); }

std::string ChangeExtension(const std::string& path, const std::string& extension) {
  const std::size_t start = LastComponentStart(path);
  const std::size_t dot = path.rfind('.');
  const bool has_extension = dot != std::string::npos && dot >= start;
  return (has_extension ? path.substr(0, dot) : path) + extension;
}

}  // namespace verlumo
