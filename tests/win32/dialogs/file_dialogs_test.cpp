// The file dialogs and the shell links when their system library cannot be loaded: the player
// is told why, the request counts as cancelled, and nothing crashes.
#include "shell/file_dialogs.h"

#include <shellapi.h>

#include <gtest/gtest.h>

#include "shell/dialogs/hyperlink_label.h"
#include "platform/win32/lazy_library.h"

namespace verlumo {
namespace {

TEST(FileDialogsTest, WithoutTheDialogLibraryBothDialogsReportWhyAndCountAsCancelled) {
  LazyLibrary missing(L"verlumo-no-such-comdlg32.dll");
  std::vector<std::string> reasons;
  GameFileDialogs dialogs(nullptr, [&reasons](const std::string& reason) { reasons.push_back(reason); },
                          missing);
  EXPECT_EQ(dialogs.ChooseOpenFile("C:\\games\\noname.vlm"), std::nullopt);
  EXPECT_EQ(dialogs.ChooseSaveFile("C:\\games\\", std::string("noname.vlm")), std::nullopt);
  ASSERT_EQ(reasons.size(), 2u);
  for (const std::string& reason : reasons) {
    EXPECT_NE(reason.find("verlumo-no-such-comdlg32.dll cannot be loaded"), std::string::npos) << reason;
  }
}

TEST(FileDialogsTest, WithoutTheShellALinkGetsTheShellsErrorForAMissingLibrary) {
  LazyLibrary missing(L"verlumo-no-such-shell32.dll");
  const INT_PTR answer = ShellOpenWith(missing, nullptr, L"https://www.zorbelgames.example/");
  EXPECT_EQ(answer, SE_ERR_DLLNOTFOUND);
  EXPECT_LE(answer, 32) << "an answer up to 32 is a failure, so the link switches itself off";
}

}  // namespace
}  // namespace verlumo
