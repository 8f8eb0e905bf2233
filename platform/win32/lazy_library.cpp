// Loading system libraries on first use.
#include "platform/win32/lazy_library.h"

#include "platform/win32/utf16.h"

namespace verlumo {

FARPROC LazyLibrary::Find(const char* name) {
  if (!tried_) {
    tried_ = true;
    // Only from the system folder: a file of the same name beside the program is never loaded.
    module_ = LoadLibraryExW(file_name_.c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module_ == nullptr) {
      error_ = WideToUtf8(file_name_) + " cannot be loaded (error " + std::to_string(GetLastError()) + ")";
    }
  }
  if (module_ == nullptr) return nullptr;
  FARPROC entry = GetProcAddress(module_, name);
  if (entry == nullptr) error_ = WideToUtf8(file_name_) + " has no entry " + name;
  return entry;
}

LazyLibrary& CommonDialogsLibrary() {
  static LazyLibrary library(L"comdlg32.dll");
  return library;
}

LazyLibrary& ShellLibrary() {
  static LazyLibrary library(L"shell32.dll");
  return library;
}

LazyLibrary& MultimediaLibrary() {
  static LazyLibrary library(L"winmm.dll");
  return library;
}

}  // namespace verlumo
