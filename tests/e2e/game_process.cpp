// Preparing a program folder, starting the game in it and finding its windows.
#include "tests/e2e/game_process.h"

#include <cstdio>
#include <filesystem>
#include <utility>
#include <vector>

namespace verlumo::e2e {
namespace {

std::filesystem::path ThisProgramDirectory() {
  std::vector<wchar_t> path(MAX_PATH);
  while (GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())) == path.size()) {
    path.resize(path.size() * 2);
  }
  return std::filesystem::path(path.data()).parent_path();
}

struct WindowSearch {
  DWORD process_id;
  const wchar_t* class_name;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM search_address) {
  auto* search = reinterpret_cast<WindowSearch*>(search_address);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t class_name[64] = {};
  GetClassNameW(window, class_name, 64);
  if (owner == search->process_id && IsWindowVisible(window) &&
      wcscmp(class_name, search->class_name) == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

GameProcess::GameProcess(const std::vector<std::uint8_t>& level_file) {
  namespace fs = std::filesystem;
  wchar_t unique[32];
  swprintf(unique, 32, L"verlumo-e2e-%lu-%lu", GetCurrentProcessId(), GetTickCount());
  fs::path folder = fs::temp_directory_path() / unique;
  fs::create_directories(folder);
  fs::copy_file(ThisProgramDirectory() / L"verlumo.exe", folder / L"verlumo.exe");
  fs::copy_file(ThisProgramDirectory() / L"vlmo.chm", folder / L"vlmo.chm");
  if (!level_file.empty()) {
    std::FILE* file = _wfopen((folder / L"vlmo.dat").c_str(), L"wb");
    std::fwrite(level_file.data(), 1, level_file.size(), file);
    std::fclose(file);
  }
  folder_ = folder.wstring() + L"\\";
}

GameProcess::GameProcess(InstalledIn installed) : folder_(std::move(installed.folder)), owns_folder_(false) {}

GameProcess::~GameProcess() {
  EndProcess();
  if (!owns_folder_) return;
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

void GameProcess::EndProcess() {
  if (process_.hProcess == nullptr) return;
  if (!WaitForExit(0)) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
  process_ = {};
}

bool GameProcess::Start(const std::wstring& arguments) {
  EndProcess();
  std::wstring exe = folder_ + L"verlumo.exe";
  std::wstring command_line = L"\"" + exe + L"\"";
  if (!arguments.empty()) command_line += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  return CreateProcessW(exe.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder_.c_str(), &startup, &process_) != 0;
}

HWND GameProcess::WaitForWindow(const wchar_t* class_name, DWORD timeout_ms) const {
  const DWORD start = GetTickCount();
  for (;;) {
    WindowSearch search{process_.dwProcessId, class_name, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) {
      // A dialog places itself when it is activated; let it settle before anyone clicks on it.
      for (int wait = 0; wait < 20 && GetForegroundWindow() != search.found; ++wait) Sleep(50);
      Sleep(100);
      return search.found;
    }
    if (GetTickCount() - start > timeout_ms || WaitForExit(0)) return nullptr;
    Sleep(50);
  }
}

bool GameProcess::WaitForExit(DWORD timeout_ms) const {
  return WaitForSingleObject(process_.hProcess, timeout_ms) == WAIT_OBJECT_0;
}

DWORD GameProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace verlumo::e2e
