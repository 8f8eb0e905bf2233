// The standard open and save dialogs for game files, both with the filter "Verlumo-Dateien"
// (*.vlm) and the default extension ".vlm". The save dialog keeps its file name field between
// showings, as a dialog component does. A dialog the system cannot show counts as cancelled.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <functional>
#include <optional>
#include <string>

namespace verlumo {

class LazyLibrary;

class GameFileDialogs {
 public:
  // Told why, when the system's dialogs cannot be loaded.
  using ErrorReporter = std::function<void(const std::string& reason)>;

  GameFileDialogs(HWND owner, ErrorReporter report_error);
  // Tests hand in a library that cannot be loaded.
  GameFileDialogs(HWND owner, ErrorReporter report_error, LazyLibrary& library)
      : owner_(owner), report_error_(std::move(report_error)), library_(library) {}

  std::optional<std::string> ChooseSaveFile(const std::string& folder,
                                            const std::optional<std::string>& file_name);
  std::optional<std::string> ChooseOpenFile(const std::string& start_path);

 private:
  bool Run(const char* entry_name, OPENFILENAMEW& dialog);

  HWND owner_;
  ErrorReporter report_error_;
  LazyLibrary& library_;
  std::wstring save_file_name_;
};

}  // namespace verlumo
