// A system library loaded the first time the game needs it rather than at program start. The
// file dialogs, the shell and the sound output each drag in a chain of further libraries (the
// file dialogs the whole print stack) that most runs never touch, and loading them up front
// makes every start slower and heavier.
#pragma once

#include <windows.h>

#include <string>

namespace verlumo {

class LazyLibrary {
 public:
  explicit LazyLibrary(std::wstring file_name) : file_name_(std::move(file_name)) {}
  LazyLibrary(const LazyLibrary&) = delete;
  LazyLibrary& operator=(const LazyLibrary&) = delete;
  // Once loaded, the library stays for the rest of the run, as a library linked at start would.

  // The named entry point, loading the library on the first call; nullptr when the library or
  // the entry cannot be found, and error() then says which and why.
  template <typename Function>
  Function Entry(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(Find(name)));
  }

  bool loaded() const { return module_ != nullptr; }
  // Empty until a load or a look-up fails, e.g. "comdlg32.dll cannot be loaded (error 126)".
  const std::string& error() const { return error_; }

 private:
  FARPROC Find(const char* name);

  std::wstring file_name_;
  HMODULE module_ = nullptr;
  bool tried_ = false;
  std::string error_;
};

// The libraries the game loads on first use, one instance each for the whole process.
LazyLibrary& CommonDialogsLibrary();  // comdlg32.dll: the open and save dialogs
LazyLibrary& ShellLibrary();          // shell32.dll: opening web and mail addresses
LazyLibrary& MultimediaLibrary();     // winmm.dll: the sounds

}  // namespace verlumo
