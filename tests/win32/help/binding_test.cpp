// The binding to hhctrl.ocx: Wine's control and its entry points, the registered location with
// its %SYSTEMROOT% rule and fallbacks, and HTML Help detected by the file's version information.
#include "shell/help/system_facts.h"
#include "shell/platform/wide_files.h"
#include "tests/win32/help/help_test_support.h"

namespace verlumo::hh {
namespace {

using BindingTest = HelpLayerTest;

TEST_F(BindingTest, LoadsTheControlAndTakesBothEntriesByNameUntilReleased) {
  ReleaseHelpLibrary();
  ASSERT_TRUE(LoadHelpLibrary());
  const HMODULE library = HelpLibrary();
  ASSERT_NE(library, nullptr);
  EXPECT_EQ(reinterpret_cast<void*>(HtmlHelpAEntry()),
            reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpA")));
  EXPECT_NE(HtmlHelpAEntry(), nullptr);
  EXPECT_NE(HtmlHelpWEntry(), nullptr);
  EXPECT_EQ(HtmlHelpEntry(), HtmlHelpAEntry());
  EXPECT_TRUE(LoadHelpLibrary());
  EXPECT_EQ(HelpLibrary(), library) << "a second load keeps the library it has";

  ReleaseHelpLibrary();
  EXPECT_EQ(HelpLibrary(), nullptr);
  EXPECT_EQ(HtmlHelpEntry(), nullptr);
  EXPECT_EQ(HtmlHelpWEntry(), nullptr);
  HHCloseAll();  // without a library nothing may be called
}

TEST_F(BindingTest, RegisteredLocationExpandsSystemRootAndElseFallsBackToTheSystemDirectory) {
  wchar_t windows[MAX_PATH] = L"";
  wchar_t system[MAX_PATH] = L"";
  GetSystemWindowsDirectoryW(windows, MAX_PATH);
  GetSystemDirectoryW(system, MAX_PATH);
  const std::wstring fallback = std::wstring(system) + L"\\hhctrl.ocx";
  ScratchFolder folder;
  const std::wstring elsewhere = folder.Write(L"hhctrl.ocx", "not a control");
  FakeClassesRoot root;
  EXPECT_EQ(LocateControlFile(root.get()), fallback) << "no key at all";

  root.RegisterControlAt(L"%SystemRoot%\\system32\\hhctrl.ocx", REG_EXPAND_SZ);
  EXPECT_EQ(LocateControlFile(root.get()), std::wstring(windows) + L"\\system32\\hhctrl.ocx");
  root.RegisterControlAt(elsewhere);
  EXPECT_EQ(LocateControlFile(root.get()), elsewhere) << "an existing file is kept";
  root.RegisterControlAt(folder.File(L"missing.ocx"));
  EXPECT_EQ(LocateControlFile(root.get()), fallback) << "a missing one is not";
  root.RegisterControlAt(L"%WINDIR%\\system32\\hhctrl.ocx");
  EXPECT_EQ(LocateControlFile(root.get()), fallback) << "no other variable is expanded";

  EXPECT_TRUE(FileExists(LocateControlFile())) << "Wine registers its own control";
}

TEST_F(BindingTest, HtmlHelpIsInstalledOnlyWhereTheControlFileCarriesAVersion) {
  EXPECT_TRUE(DetectHtmlHelp());
  EXPECT_TRUE(HtmlHelpInstalled());
  ScratchFolder folder;
  FakeClassesRoot root;
  root.RegisterControlAt(folder.Write(L"hhctrl.ocx", "no version information in here"));
  EXPECT_FALSE(DetectHtmlHelp(root.get()));
  EXPECT_FALSE(HtmlHelpInstalled());
}

}  // namespace
}  // namespace verlumo::hh
