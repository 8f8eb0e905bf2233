// What verlumo.exe tells Windows about itself, read back from the built file: the version
// information of the file's Details page, whose fixed numbers and texts in both languages carry
// the project's version, and the manifest that Windows reads before the program starts.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

#include "verlumo_version.h"

namespace verlumo::e2e {
namespace {

std::wstring BuiltProgram() {
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  return (std::filesystem::path(exe).parent_path() / L"verlumo.exe").wstring();
}

class VersionInfo {
 public:
  explicit VersionInfo(const std::wstring& file) {
    DWORD ignored = 0;
    data_.resize(GetFileVersionInfoSizeW(file.c_str(), &ignored));
    if (!data_.empty() && !GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(data_.size()), data_.data()))
      data_.clear();
  }
  bool present() const { return !data_.empty(); }

  const VS_FIXEDFILEINFO* Fixed() {
    void* value = nullptr;
    UINT size = 0;
    if (!VerQueryValueW(data_.data(), L"\\", &value, &size) || size < sizeof(VS_FIXEDFILEINFO)) return nullptr;
    return static_cast<const VS_FIXEDFILEINFO*>(value);
  }

  // The language and code page pairs of the translation table, as "040904b0".
  std::vector<std::wstring> Translations() {
    struct Pair { WORD language, code_page; };
    void* value = nullptr;
    UINT size = 0;
    std::vector<std::wstring> blocks;
    if (!VerQueryValueW(data_.data(), L"\\VarFileInfo\\Translation", &value, &size)) return blocks;
    const auto* pairs = static_cast<const Pair*>(value);
    for (UINT i = 0; i < size / sizeof(Pair); ++i) {
      wchar_t block[16];
      swprintf(block, 16, L"%04x%04x", pairs[i].language, pairs[i].code_page);
      blocks.push_back(block);
    }
    return blocks;
  }

  std::wstring Text(const std::wstring& block, const wchar_t* name) {
    void* value = nullptr;
    UINT size = 0;
    const std::wstring path = L"\\StringFileInfo\\" + block + L"\\" + name;
    if (!VerQueryValueW(data_.data(), path.c_str(), &value, &size) || size == 0) return L"";
    return static_cast<const wchar_t*>(value);
  }

 private:
  std::vector<BYTE> data_;
};

TEST(Version, TheProgramCarriesTheProjectVersionInBothLanguages) {
  VersionInfo info(BuiltProgram());
  ASSERT_TRUE(info.present()) << "verlumo.exe has no version information";
  const VS_FIXEDFILEINFO* fixed = info.Fixed();
  ASSERT_NE(fixed, nullptr);
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  const DWORD major_minor = MAKELONG(VERLUMO_VERSION_MINOR, VERLUMO_VERSION_MAJOR);
  EXPECT_EQ(fixed->dwFileVersionMS, major_minor);
  EXPECT_EQ(fixed->dwProductVersionMS, major_minor);
  EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(MAKELONG(0, VERLUMO_VERSION_PATCH)));

  const std::vector<std::wstring> blocks = info.Translations();
  EXPECT_EQ(blocks, (std::vector<std::wstring>{L"040904b0", L"040704b0"})) << "English and German, Unicode";
  for (const std::wstring& block : blocks) {
    SCOPED_TRACE(std::string(block.begin(), block.end()));
    EXPECT_EQ(info.Text(block, L"ProductVersion"), L"" VERLUMO_VERSION);
    EXPECT_EQ(info.Text(block, L"FileVersion"), L"" VERLUMO_FILE_VERSION);
    EXPECT_EQ(info.Text(block, L"ProductName"), L"Verlumo");
    EXPECT_EQ(info.Text(block, L"OriginalFilename"), L"verlumo.exe");
    EXPECT_EQ(info.Text(block, L"CompanyName"), L"Zorbel Games");
    EXPECT_EQ(info.Text(block, L"LegalCopyright").substr(0, 2), L"\u00a9 ") << "the copyright sign survives";
    EXPECT_FALSE(info.Text(block, L"FileDescription").empty());
  }
  EXPECT_NE(info.Text(L"040704b0", L"FileDescription"), info.Text(L"040904b0", L"FileDescription"))
      << "the German description is German";
}

// The manifest Windows applies at start: resource 1 of type RT_MANIFEST, in lower case.
std::string EmbeddedManifest(const std::wstring& file) {
  HMODULE module = LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (module == nullptr) return "";
  std::string text;
  if (HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)); found != nullptr) {
    if (HGLOBAL loaded = LoadResource(module, found); loaded != nullptr)
      text.assign(static_cast<const char*>(LockResource(loaded)), SizeofResource(module, found));
  }
  FreeLibrary(module);
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

// A program that declares itself DPI aware is left unscaled by Windows; the game lays its window
// out in pixels, so on a 200 % screen it would be a postcard under a double-sized title bar.
// Wine scales nothing either way, so the manifest itself is what can be checked here.
TEST(Version, TheManifestAsksForCommonControlsAndLeavesScalingToWindows) {
  const std::string manifest = EmbeddedManifest(BuiltProgram());
  ASSERT_NE(manifest.find("microsoft.windows.common-controls"), std::string::npos)
      << "verlumo.exe carries no manifest with the common-controls dependency";
  EXPECT_EQ(manifest.find("dpiaware"), std::string::npos) << "dpiAware or dpiAwareness is declared";
  EXPECT_EQ(manifest.find("permonitor"), std::string::npos) << "a per-monitor DPI mode is declared";
}

}  // namespace
}  // namespace verlumo::e2e
