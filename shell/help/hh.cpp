// Loading hhctrl.ocx and finding its entry points. The state is process-wide because the help
// control is: one library for the whole run, loaded before the first window and released after
// the last.
#include "shell/help/hh.h"

#include "shell/help/help_texts.h"
#include "shell/help/system_facts.h"
#include "shell/platform/registry_text.h"
#include "platform/win32/utf16.h"
#include "shell/platform/wide_files.h"

namespace verlumo::hh {
namespace {

constexpr const wchar_t* kControlName = L"hhctrl.ocx";
constexpr const wchar_t* kControlKey =
    L"CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32";

HMODULE help_library = nullptr;
HtmlHelpAFunction html_help_a = nullptr;
HtmlHelpWFunction html_help_w = nullptr;

std::wstring WithoutTrailingBackslash(std::wstring path) {
  if (!path.empty() && path.back() == L'\\') path.pop_back();
  return path;
}

// %SYSTEMROOT% names the shared Windows directory, which on a terminal server differs from the
// per-user one GetWindowsDirectory reports.
std::wstring WindowsDirectory() {
  wchar_t buffer[MAX_PATH] = L"";
  const UINT length = GetSystemWindowsDirectoryW(buffer, MAX_PATH);
  return WithoutTrailingBackslash(length > 0 && length < MAX_PATH ? buffer : L"");
}

std::wstring SystemDirectory() {
  wchar_t buffer[MAX_PATH] = L"";
  const UINT length = GetSystemDirectoryW(buffer, MAX_PATH);
  return WithoutTrailingBackslash(length > 0 && length < MAX_PATH ? buffer : L"");
}

template <typename Function>
Function EntryPoint(HMODULE library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace

std::wstring LocateControlFile(HKEY classes_root) {
  std::wstring location = Utf8ToWide(
      ReplaceSystemRoot(WideToUtf8(ReadRegistryText(classes_root, kControlKey, L"").value_or(L"")),
                        WideToUtf8(WindowsDirectory())));
  if (!location.empty() && !FileExists(location)) location.clear();
  if (location.empty()) location = SystemDirectory() + L"\\" + kControlName;
  return location;
}

bool LoadHelpLibrary() {
  if (help_library != nullptr) return true;
  HMODULE library = LoadLibraryW(kControlName);
  if (library == nullptr) {
    const std::wstring location = LocateControlFile();
    if (FileExists(location)) library = LoadLibraryW(location.c_str());
  }
  if (library == nullptr) return false;
  help_library = library;
  html_help_a = EntryPoint<HtmlHelpAFunction>(library, "HtmlHelpA");
  html_help_w = EntryPoint<HtmlHelpWFunction>(library, "HtmlHelpW");
  return true;
}

void ReleaseHelpLibrary() {
  html_help_a = nullptr;
  html_help_w = nullptr;
  if (help_library != nullptr) FreeLibrary(help_library);
  help_library = nullptr;
}

HMODULE HelpLibrary() { return help_library; }
HtmlHelpAFunction HtmlHelpAEntry() { return html_help_a; }
HtmlHelpWFunction HtmlHelpWEntry() { return html_help_w; }
HtmlHelpAFunction HtmlHelpEntry() { return html_help_a; }

}  // namespace verlumo::hh
