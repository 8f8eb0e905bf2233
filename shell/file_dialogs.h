// The standard open and save dialogs for game files, both with the filter "Verlumo-Dateien"
// (*.vlm) and the default extension ".vlm". The save dialog keeps its file name field between
// showings, as a dialog component does.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace verlumo {

class GameFileDialogs {
 public:
  explicit GameFileDialogs(HWND owner) : owner_(owner) {}

  std::optional<std::string> ChooseSaveFile(const std::string& folder,
                                            const std::optional<std::string>& file_name);
  std::optional<std::string> ChooseOpenFile(const std::string& start_path);

 private:
  HWND owner_;
  std::wstring save_file_name_;
};

}  // namespace verlumo
