// Finding the installer's work on the machine, and running installer and uninstaller.
#include "tests/release/installation.h"

#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "verlumo_version.h"

namespace verlumo::release {
namespace {

namespace fs = std::filesystem;

fs::path ThisProgramDirectory() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return fs::path(path).parent_path();
}

std::wstring ShellFolder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

}  // namespace

std::wstring SetupFile() {
  return (ThisProgramDirectory().parent_path() / L"dist" / (L"verlumo-" VERLUMO_VERSION L"-win64-setup.exe")).wstring();
}

std::wstring ShippedProgramFile() {
  return (ThisProgramDirectory().parent_path() / L"release" / L"stage" / L"Verlumo" / L"verlumo.exe").wstring();
}

const std::vector<std::wstring>& ShippedFiles() {
  static const std::vector<std::wstring> files{L"LIESMICH.txt", L"README.txt", L"verlumo.exe", L"vlmo.chm",
                                               L"vlmo.dat"};
  return files;
}

std::wstring InstallFolder() { return ShellFolder(CSIDL_LOCAL_APPDATA) + L"\\Programs\\Verlumo\\"; }
std::wstring StartMenuShortcut() { return ShellFolder(CSIDL_PROGRAMS) + L"\\Verlumo.lnk"; }
std::wstring DesktopShortcut() { return ShellFolder(CSIDL_DESKTOPDIRECTORY) + L"\\Verlumo.lnk"; }

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

PROCESS_INFORMATION Start(const std::wstring& command_line) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring line = command_line;
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return PROCESS_INFORMATION{};
  return process;
}

std::optional<DWORD> RunAndWait(const std::wstring& command_line, DWORD timeout_ms) {
  const PROCESS_INFORMATION process = Start(command_line);
  if (process.hProcess == nullptr) return std::nullopt;
  std::optional<DWORD> exit_code;
  if (WaitForSingleObject(process.hProcess, timeout_ms) == WAIT_OBJECT_0) {
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    exit_code = code;
  } else {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return exit_code;
}

std::optional<std::wstring> UninstallText(const wchar_t* name) {
  DWORD size = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, kUninstallKey, name, RRF_RT_REG_SZ, nullptr, nullptr, &size) != ERROR_SUCCESS)
    return std::nullopt;
  std::wstring text(size / sizeof(wchar_t), L'\0');
  if (RegGetValueW(HKEY_CURRENT_USER, kUninstallKey, name, RRF_RT_REG_SZ, nullptr, text.data(), &size) != ERROR_SUCCESS)
    return std::nullopt;
  text.resize(wcslen(text.c_str()));
  return text;
}

std::optional<DWORD> UninstallNumber(const wchar_t* name) {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, kUninstallKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return value;
}

bool UninstallEntryExists() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kUninstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

bool UninstallQuietly() {
  const std::optional<std::wstring> command = UninstallText(L"QuietUninstallString");
  if (!command || RunAndWait(*command) != 0u) return false;
  for (int wait = 0; wait < 300; ++wait) {
    if (!UninstallEntryExists() && !Exists(InstallFolder() + L"uninstall.exe")) return true;
    Sleep(100);
  }
  return false;
}

void RemoveEverything() {
  if (UninstallEntryExists()) UninstallQuietly();
  std::error_code ignored;
  fs::remove_all(InstallFolder(), ignored);
  RegDeleteTreeW(HKEY_CURRENT_USER, kUninstallKey);
  DeleteFileW(StartMenuShortcut().c_str());
  DeleteFileW(DesktopShortcut().c_str());
}

HWND FindProcessDialog(DWORD process_id, DWORD timeout_ms) {
  struct Search {
    DWORD process_id;
    HWND found;
  } search{process_id, nullptr};
  for (DWORD waited = 0; waited < timeout_ms && search.found == nullptr; waited += 100) {
    EnumWindows(
        [](HWND window, LPARAM address) -> BOOL {
          auto* wanted = reinterpret_cast<Search*>(address);
          DWORD owner = 0;
          GetWindowThreadProcessId(window, &owner);
          wchar_t class_name[16] = {};
          GetClassNameW(window, class_name, 16);
          if (owner != wanted->process_id || !IsWindowVisible(window) || wcscmp(class_name, L"#32770") != 0)
            return TRUE;
          wanted->found = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) Sleep(100);
  }
  return search.found;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ReadFileBytes(const std::wstring& path) {
  std::ifstream file(fs::path(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream(fs::path(path), std::ios::binary) << bytes;
}

}  // namespace verlumo::release
