// Writing HHDebug.txt. Every line is appended by opening and closing the file, so the trace is
// complete up to the last request even when the game ends abruptly afterwards.
#include "shell/help/help_trace.h"

#include <windows.h>

#include <cstdio>
#include <utility>

#include "shell/help/help_texts.h"
#include "shell/help/system_facts.h"
#include "shell/platform/registry_text.h"
#include "platform/win32/utf16.h"
#include "shell/platform/wide_files.h"

namespace verlumo::hh {
namespace {

constexpr const wchar_t* kProbeFileName = L"$_Temp_$.$$$";
constexpr const wchar_t* kLastResortDirectory = L"c:\\";

bool trace_on = false;
std::wstring trace_path;

bool IsDirectory(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::wstring WithTrailingBackslash(std::wstring path) {
  if (!path.empty() && path.back() != L'\\' && path.back() != L'/') path += L'\\';
  return path;
}

// Writable means: a file can be created there and deleted again.
bool IsWritableDirectory(const std::wstring& directory) {
  if (directory.empty() || !IsDirectory(directory)) return false;
  const std::wstring probe = WithTrailingBackslash(directory) + kProbeFileName;
  HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return DeleteFileW(probe.c_str()) != 0;
}

std::wstring TemporaryDirectory() {
  wchar_t buffer[MAX_PATH + 1] = L"";
  const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
  return length > 0 && length <= MAX_PATH ? buffer : L"";
}

bool WriteToFile(HANDLE file, const std::string& text) {
  DWORD written = 0;
  return WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
         written == text.size();
}

std::string LocaleText(LCTYPE type) {
  wchar_t buffer[128] = L"";
  return GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 128) > 0 ? WideToUtf8(buffer) : "?";
}

std::string TimeOfDay() {
  wchar_t buffer[64] = L"";
  return GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, buffer, 64) > 0
             ? WideToUtf8(buffer)
             : "";
}

std::string LongDate() {
  wchar_t buffer[128] = L"";
  return GetDateFormatW(LOCALE_USER_DEFAULT, DATE_LONGDATE, nullptr, nullptr, buffer, 128) > 0
             ? WideToUtf8(buffer)
             : "?";
}

// RtlGetVersion tells the truth whatever the program's manifest says; GetVersionEx does not.
std::string WindowsVersion() {
  using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
  const auto rtl_get_version = reinterpret_cast<RtlGetVersionFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  std::string text = WideToUtf8(
      ReadRegistryText(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                       L"ProductName")
          .value_or(L""));
  if (text.empty()) text = "Windows";
  if (rtl_get_version != nullptr && rtl_get_version(&info) == 0) {
    text += ", version " + std::to_string(info.dwMajorVersion) + "." +
            std::to_string(info.dwMinorVersion) + " build " + std::to_string(info.dwBuildNumber);
    if (info.szCSDVersion[0] != L'\0') text.append(" ").append(WideToUtf8(info.szCSDVersion));
  }
  return text;
}

std::string LocaleDescription() {
  char lcid[16];
  std::snprintf(lcid, sizeof lcid, "0x%04lX", static_cast<unsigned long>(GetUserDefaultLCID()));
  return std::string(lcid) + " " + LocaleText(LOCALE_SENGLISHLANGUAGENAME) + " (" +
         LocaleText(LOCALE_SENGLISHCOUNTRYNAME) + "), ANSI code page " + std::to_string(GetACP()) +
         ", OEM code page " + std::to_string(GetOEMCP()) + ", short date \"" +
         LocaleText(LOCALE_SSHORTDATE) + "\", long time \"" + LocaleText(LOCALE_STIMEFORMAT) +
         "\", decimal separator \"" + LocaleText(LOCALE_SDECIMAL) + "\"";
}

std::string ProgramVersion(const std::wstring& program_file) {
  const std::optional<FileVersion> version = ReadFileVersion(program_file);
  return version ? VersionText(*version) : "none";
}

// The browser HTML Help renders its pages with: Internet Explorer's engine.
std::string WebBrowserVersion() {
  constexpr const wchar_t* kKey = L"SOFTWARE\\Microsoft\\Internet Explorer";
  std::wstring version = ReadRegistryText(HKEY_LOCAL_MACHINE, kKey, L"svcVersion").value_or(L"");
  if (version.empty()) version = ReadRegistryText(HKEY_LOCAL_MACHINE, kKey, L"Version").value_or(L"");
  return version.empty() ? "not found" : "Internet Explorer " + WideToUtf8(version);
}

std::string Header(const std::wstring& trace_file, const TraceHeaderFacts& facts) {
  const std::pair<const char*, std::string> lines[] = {
      {"Trace file:      ", WideToUtf8(trace_file)},
      {"Date:            ", LongDate()},
      {"System:          ", WindowsVersion()},
      {"Locale:          ", LocaleDescription()},
      {"Program:         ", WideToUtf8(facts.program_file)},
      {"Program version: ", ProgramVersion(facts.program_file)},
      {"Command line:    ", WideToUtf8(facts.command_line)},
      {"HTML Help:       ", facts.html_help},
      {"Web browser:     ", WebBrowserVersion()},
  };
  std::string header = "Verlumo help trace\r\n";
  for (const auto& [label, value] : lines) header += label + value + "\r\n";
  return header + std::string(60, '-') + "\r\n";
}

}  // namespace

bool TraceRequested(const std::wstring& program_directory,
                    const std::vector<std::wstring>& arguments) {
  if (FileExists(WithTrailingBackslash(program_directory) + kTraceSwitchFileName)) return true;
  for (const std::wstring& argument : arguments)
    if (IsTraceArgument(WideToUtf8(argument))) return true;
  return false;
}

std::wstring PrepareTraceFile(const std::wstring& program_directory) {
  std::wstring directory = program_directory;
  if (!IsWritableDirectory(directory)) directory = TemporaryDirectory();
  if (directory.empty()) directory = kLastResortDirectory;
  const std::wstring path = WithTrailingBackslash(directory) + kTraceFileName;
  if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
  }
  return path;
}

void StartTrace(const std::wstring& trace_file, bool on, const TraceHeaderFacts& facts) {
  trace_path = trace_file;
  trace_on = false;
  if (!on) return;
  HANDLE file = CreateFileW(trace_file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  trace_on = WriteToFile(file, Header(trace_file, facts));
  CloseHandle(file);
}

bool TraceIsOn() { return trace_on; }

void Trace(const std::string& text) {
  if (!trace_on) return;
  HANDLE file = CreateFileW(trace_path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  WriteToFile(file, TimedTraceLine(TimeOfDay(), text) + "\r\n");
  CloseHandle(file);
}

}  // namespace verlumo::hh
