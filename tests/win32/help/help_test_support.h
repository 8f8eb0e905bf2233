// Shared pieces of the help layer's Win32 tests: the state a program start leaves, a scratch
// folder, a stand-in for the registry's classes root, and the rules file built beside the tests.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "shell/help/application_help.h"
#include "shell/help/help_texts.h"
#include "shell/help/help_trace.h"
#include "shell/help/hh.h"
#include "shell/help/hh_funcs.h"

namespace verlumo::hh {

namespace fs = std::filesystem;

// Every test starts as the game does: control loaded and detected, no help handler, trace off.
class HelpLayerTest : public ::testing::Test {
 protected:
  void SetUp() override { Reset(); }
  void TearDown() override {
    HHCloseAll();
    Reset();
  }
  static void Reset() {
    ExchangeHelpHandler(nullptr);
    StartTrace(L"", false, {});
    LoadHelpLibrary();
    DetectHtmlHelp();
  }
};

// A fresh folder under %TEMP% whose name has a blank and an umlaut, as a player's may.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::wstring& name = L"Verlumo Spielst\u00e4nde")
      : path_(fs::temp_directory_path() / (name + L" " + std::to_wstring(GetCurrentProcessId()) +
                                           L"-" + std::to_wstring(++created_))) {
    fs::create_directories(path_);
  }
  ~ScratchFolder() {
    SetFileAttributesW(File(L"HHDebug.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  std::wstring Folder() const { return (path_ / L"").wstring(); }  // with trailing separator
  std::wstring File(const std::wstring& name) const { return (path_ / name).wstring(); }
  std::wstring Write(const std::wstring& name, const std::string& text = "") const {
    std::ofstream(path_ / name) << text;
    return File(name);
  }

 private:
  static inline int created_ = 0;
  fs::path path_;
};

// A key of this process under HKEY_CURRENT_USER, handed to LocateControlFile and
// DetectHtmlHelp in place of HKEY_CLASSES_ROOT.
class FakeClassesRoot {
 public:
  FakeClassesRoot() {
    RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &root_, nullptr);
  }
  ~FakeClassesRoot() {
    RegCloseKey(root_);
    RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
  }
  HKEY get() const { return root_; }

  // Registers the help control at this location, as an installer would.
  void RegisterControlAt(const std::wstring& location, DWORD type = REG_SZ) const {
    RegSetKeyValueW(root_, L"CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32",
                    nullptr, type, location.c_str(),
                    static_cast<DWORD>((location.size() + 1) * sizeof(wchar_t)));
  }

 private:
  std::wstring path_ = L"Software\\VerlumoHelpTests-" + std::to_wstring(GetCurrentProcessId());
  HKEY root_ = nullptr;
};

inline std::string Utf8(const std::wstring& text) {
  const std::u8string utf8 = fs::path(text).u8string();
  return std::string(utf8.begin(), utf8.end());
}

// The build puts vlmo.chm beside the test program.
inline std::wstring BuiltRulesFile() {
  wchar_t path[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return (fs::path(path).parent_path() / L"vlmo.chm").wstring();
}

// HTML Help's window, found by its class as on Windows.
inline HWND FindHelpWindow() { return FindWindowW(L"HH Parent", nullptr); }

}  // namespace verlumo::hh
