// The settings store against the real registry, in a scratch key of this process that is removed
// before and after every test; the game's own settings are never touched.
#include "shell/settings/settings_store.h"

#include <gtest/gtest.h>
#include <sddl.h>

#include <climits>
#include <string>

#include "shell/platform/registry_key.h"

namespace verlumo {
namespace {

class SettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, base_.c_str()); }
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, base_.c_str()); }

  bool Exists(const std::wstring& path) const {
    RegistryKey key;
    return key.Open(HKEY_CURRENT_USER, path, KEY_READ) == ERROR_SUCCESS;
  }

  // Puts a value into section `common` as another program or a hand edit could.
  void PutRaw(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    RegistryKey key;
    ASSERT_EQ(key.Create(HKEY_CURRENT_USER, section_, KEY_ALL_ACCESS), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(key.get(), name, 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
  }
  void PutText(const wchar_t* name, const std::wstring& text) {
    PutRaw(name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }

  // The type and text of a value as stored, the terminating NUL dropped.
  std::pair<DWORD, std::wstring> Stored(const wchar_t* name) const {
    DWORD type = REG_NONE;
    std::wstring text(1000, L'\0');
    DWORD size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    RegGetValueW(HKEY_CURRENT_USER, section_.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &type,
                 text.data(), &size);
    text.resize(size / sizeof(wchar_t));
    if (!text.empty() && text.back() == L'\0') text.pop_back();
    return {type, text};
  }

  const std::string base_name_ =
      "Software\\ZorbelGames\\Verlumo\\Test-" + std::to_string(GetCurrentProcessId());
  const std::wstring base_ = std::wstring(base_name_.begin(), base_name_.end());
  const std::wstring section_ = base_ + L"\\common";
  SettingsStore store_{HKEY_CURRENT_USER, base_name_};
};

TEST_F(SettingsStoreTest, ReadsGiveTheDefaultsWhereverTheChainEndsAndCreateNothing) {
  auto expect_defaults = [&] {
    EXPECT_EQ(store_.ReadInteger("common", "tongue", -1), -1);
    EXPECT_EQ(store_.ReadString("common", "save", "C:\\noname.vlm"), "C:\\noname.vlm");
    EXPECT_TRUE(store_.ReadBool("common", "sound", true));
    EXPECT_FALSE(store_.ReadBool("common", "sound", false));
  };
  expect_defaults();
  EXPECT_FALSE(Exists(base_));

  RegistryKey base;
  ASSERT_EQ(base.Create(HKEY_CURRENT_USER, base_, KEY_ALL_ACCESS), ERROR_SUCCESS);
  expect_defaults();
  EXPECT_FALSE(Exists(section_));

  PutText(L"other", L"5");
  expect_defaults();
}

TEST_F(SettingsStoreTest, IntegersAreDecimalTextsInThe32BitRange) {
  for (const wchar_t* bad :
       {L"abc", L"", L"12abc", L" 5", L"5 ", L"+5", L"0x10", L"-", L"2147483648", L"-2147483649"}) {
    PutText(L"level", bad);
    EXPECT_EQ(store_.ReadInteger("common", "level", 1), 1) << "stored: \"" << bad << '"';
  }
  PutText(L"level", L"2147483647");
  EXPECT_EQ(store_.ReadInteger("common", "level", 1), INT_MAX);
  PutText(L"level", L"-2147483648");
  EXPECT_EQ(store_.ReadInteger("common", "level", 1), INT_MIN);
}

TEST_F(SettingsStoreTest, BooleansAreIntegersTrueWhenNotZero) {
  PutText(L"sound", L"0");
  EXPECT_FALSE(store_.ReadBool("common", "sound", true));
  PutText(L"sound", L"yes");
  EXPECT_TRUE(store_.ReadBool("common", "sound", true));
  EXPECT_FALSE(store_.ReadBool("common", "sound", false));
  for (const wchar_t* on : {L"1", L"2", L"-1"}) {
    PutText(L"sound", on);
    EXPECT_TRUE(store_.ReadBool("common", "sound", false)) << "stored: " << on;
  }
}

TEST_F(SettingsStoreTest, WritesStoreTextsThatReadBackUnchanged) {
  ASSERT_TRUE(store_.WriteInteger("common", "tongue", -1).ok());
  ASSERT_TRUE(store_.WriteBool("common", "sound", true).ok());
  ASSERT_TRUE(store_.WriteBool("common", "music", false).ok());
  ASSERT_TRUE(store_.WriteString("common", "save", "").ok());
  ASSERT_TRUE(store_.WriteString("common", "MainForm", "C:\\Spiele\\Grüße\\noname.vlm").ok());

  EXPECT_EQ(Stored(L"tongue"), std::make_pair(DWORD{REG_SZ}, std::wstring(L"-1")));
  EXPECT_EQ(Stored(L"sound"), std::make_pair(DWORD{REG_SZ}, std::wstring(L"1")));
  EXPECT_EQ(Stored(L"music"), std::make_pair(DWORD{REG_SZ}, std::wstring(L"0")));
  EXPECT_EQ(Stored(L"MainForm").second, L"C:\\Spiele\\Gr\u00fc\u00dfe\\noname.vlm");

  EXPECT_EQ(store_.ReadInteger("common", "tongue", 0), -1);
  EXPECT_EQ(store_.ReadString("common", "save", "default"), "");
  EXPECT_EQ(store_.ReadString("common", "MainForm", ""), "C:\\Spiele\\Grüße\\noname.vlm");
}

TEST_F(SettingsStoreTest, OtherValueTypesReadAsAbsentAndWritesReplaceThem) {
  const DWORD number = 5;
  PutRaw(L"level", REG_DWORD, &number, sizeof number);
  EXPECT_EQ(store_.ReadInteger("common", "level", 1), 1);
  EXPECT_EQ(store_.ReadString("common", "level", "none"), "none");
  PutRaw(L"sound", REG_MULTI_SZ, L"0\0", 3 * sizeof(wchar_t));
  EXPECT_TRUE(store_.ReadBool("common", "sound", true));

  ASSERT_TRUE(store_.WriteInteger("common", "level", 3).ok());
  EXPECT_EQ(Stored(L"level"), std::make_pair(DWORD{REG_SZ}, std::wstring(L"3")));

  const std::wstring expandable = L"%SystemRoot%\\noname.vlm";
  PutRaw(L"save", REG_EXPAND_SZ, expandable.c_str(),
         static_cast<DWORD>((expandable.size() + 1) * sizeof(wchar_t)));
  EXPECT_EQ(store_.ReadString("common", "save", ""), "%SystemRoot%\\noname.vlm");
}

TEST_F(SettingsStoreTest, TextDataIsReadOnlyWithinItsSize) {
  PutRaw(L"save", REG_SZ, L"abc", 3 * sizeof(wchar_t));  // no terminating NUL
  EXPECT_EQ(store_.ReadString("common", "save", ""), "abc");
  PutRaw(L"save", REG_SZ, L"abc", 5);  // ends in half a character
  EXPECT_EQ(store_.ReadString("common", "save", ""), "ab");
  PutRaw(L"save", REG_SZ, L"ab\0cd", 6 * sizeof(wchar_t));
  EXPECT_EQ(store_.ReadString("common", "save", ""), "ab");
}

TEST_F(SettingsStoreTest, LongValuesRoundTrip) {
  std::string long_text;
  while (long_text.size() < 70000) long_text += "Weg-\u00fc-" + std::to_string(long_text.size());
  ASSERT_TRUE(store_.WriteString("common", "save", long_text).ok());
  EXPECT_EQ(store_.ReadString("common", "save", ""), long_text);
}

TEST_F(SettingsStoreTest, DeletingRemovesOnlyThatValueAndMissingOnesAreNoError) {
  EXPECT_TRUE(store_.DeleteValue("common", "MainFormColor").ok());
  PutText(L"MainFormFont", L"Arial");
  PutText(L"MainForm", L"200,0,1,10,20,30,40");
  EXPECT_TRUE(store_.DeleteValue("common", "MainFormColor").ok());
  EXPECT_TRUE(store_.DeleteValue("common", "MainFormFont").ok());
  EXPECT_EQ(store_.ReadString("common", "MainFormFont", "gone"), "gone");
  EXPECT_EQ(store_.ReadString("common", "MainForm", ""), "200,0,1,10,20,30,40");
}

// Makes the section readable but not writable for anyone, and writable again at its end so the
// scratch key can be removed; the owner keeps the right to change the permissions.
class ReadOnlySection {
 public:
  explicit ReadOnlySection(const std::wstring& path) : path_(path) {
    SetAccess(L"D:P(A;;KR;;;WD)");
  }
  ~ReadOnlySection() { SetAccess(L"D:P(A;;KA;;;WD)"); }

 private:
  void SetAccess(const wchar_t* sddl) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    RegistryKey key;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1,
                                                                     &descriptor, nullptr));
    ASSERT_EQ(key.Open(HKEY_CURRENT_USER, path_, WRITE_DAC), ERROR_SUCCESS);
    EXPECT_EQ(RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, descriptor), ERROR_SUCCESS);
    LocalFree(descriptor);
  }
  std::wstring path_;
};

TEST_F(SettingsStoreTest, RefusedWritesAreReportedNamingTheValue) {
  PutText(L"level", L"7");
  ReadOnlySection read_only(section_);

  const SettingsWriteResult write = store_.WriteInteger("common", "level", 3);
  EXPECT_EQ(write.status, ERROR_ACCESS_DENIED);
  EXPECT_EQ(write.value_path, base_name_ + "\\common\\level");
  EXPECT_EQ(store_.ReadInteger("common", "level", 1), 7);
  EXPECT_FALSE(store_.DeleteValue("common", "level").ok());

  EXPECT_EQ(SettingsWriteErrorText(0, write), "Cannot change the setting " + base_name_ +
                                                  "\\common\\level in the registry (error 5).");
  EXPECT_EQ(SettingsWriteErrorText(1, write), "Kann die Einstellung " + base_name_ +
                                                  "\\common\\level in der Registry nicht ändern "
                                                  "(Fehler 5).");
  EXPECT_EQ(SettingsWriteErrorText(-1, write), SettingsWriteErrorText(0, write));
}

}  // namespace
}  // namespace verlumo
