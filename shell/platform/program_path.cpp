// Asking the system for the program file's path, however long it is.
#include "shell/platform/program_path.h"

#include <windows.h>

#include "core/paths.h"
#include "platform/win32/utf16.h"

namespace verlumo {

std::wstring ProgramFile() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return path.substr(0, length);
    path.resize(path.size() * 2);
  }
}

std::wstring ProgramDirectoryOf(const std::wstring& program_file) {
  return Utf8ToWide(FolderOf(WideToUtf8(program_file)));
}

std::string ProgramDirectory() { return WideToUtf8(ProgramDirectoryOf(ProgramFile())); }

}  // namespace verlumo
