// Runs the real game for a test: a fresh program folder with the game and its data files, the
// game process started in it, its windows found by class name, and everything ended and removed
// again when the test is over.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace verlumo::e2e {

class GameProcess {
 public:
  // Copies verlumo.exe and its rules vlmo.chm (found beside this test program) into a new
  // folder under %TEMP%, with the given level file as vlmo.dat, or without one when it is empty.
  explicit GameProcess(const std::vector<std::uint8_t>& level_file);
  // Runs the game where it lies, installed or unpacked (a folder ending in a backslash); the
  // folder is left as it is.
  struct InstalledIn {
    std::wstring folder;
  };
  explicit GameProcess(InstalledIn installed);
  ~GameProcess();
  GameProcess(const GameProcess&) = delete;
  GameProcess& operator=(const GameProcess&) = delete;

  const std::wstring& program_directory() const { return folder_; }
  std::wstring program_file() const { return folder_ + L"verlumo.exe"; }

  // Starts the game with the given command-line arguments; false when the process cannot be
  // created. A process still running from an earlier start is ended first.
  bool Start(const std::wstring& arguments = L"");

  // The first visible top-level window of the game with this class, waiting up to timeout_ms.
  HWND WaitForWindow(const wchar_t* class_name, DWORD timeout_ms = 15000) const;

  // True when the process ends within timeout_ms.
  bool WaitForExit(DWORD timeout_ms = 15000) const;
  DWORD ExitCode() const;

  // The running game's process, for counting what it holds.
  HANDLE process_handle() const { return process_.hProcess; }
  DWORD process_id() const { return process_.dwProcessId; }

 private:
  void EndProcess();

  std::wstring folder_;
  bool owns_folder_ = true;
  PROCESS_INFORMATION process_{};
};

std::wstring WindowText(HWND window);

}  // namespace verlumo::e2e
