// Runs the real game for a test: a fresh program folder with the game and its data files, the
// game process started in it, its windows found by class name, and everything ended and removed
// again when the test is over.
#pragma once

#include <windows.h>

#include <string>

namespace verlumo::e2e {

class GameProcess {
 public:
  // Copies verlumo.exe (found beside this test program) into a new folder under %TEMP%.
  GameProcess();
  ~GameProcess();
  GameProcess(const GameProcess&) = delete;
  GameProcess& operator=(const GameProcess&) = delete;

  const std::wstring& program_directory() const { return folder_; }

  // Starts the game; false when the process cannot be created.
  bool Start();

  // The first visible top-level window of the game with this class, waiting up to timeout_ms.
  HWND WaitForWindow(const wchar_t* class_name, DWORD timeout_ms = 15000) const;

  // True when the process ends within timeout_ms.
  bool WaitForExit(DWORD timeout_ms = 15000) const;
  DWORD ExitCode() const;

 private:
  std::wstring folder_;
  PROCESS_INFORMATION process_{};
};

std::wstring WindowText(HWND window);

}  // namespace verlumo::e2e
