// Windows the system refuses to make: a dialog whose button cannot be made is not made either,
// says which part failed, and the start ends with that message rather than half a game. The
// refusals come from a CBT hook, the system's own way to veto a window's creation.
#include <gtest/gtest.h>

#include "shell/dialogs/game_dialogs.h"
#include "tests/win32/dialogs/dialog_test_support.h"

namespace verlumo {
namespace {

using test_support::StandInMainWindow;
using test_support::TestContext;

// While it lives, every window of the named class is refused on this thread.
class RefusedClass {
 public:
  explicit RefusedClass(const wchar_t* class_name) {
    refused_ = class_name;
    hook_ = SetWindowsHookExW(WH_CBT, Veto, nullptr, GetCurrentThreadId());
  }
  ~RefusedClass() { UnhookWindowsHookEx(hook_); }
  RefusedClass(const RefusedClass&) = delete;
  RefusedClass& operator=(const RefusedClass&) = delete;

 private:
  static LRESULT CALLBACK Veto(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HCBT_CREATEWND) {
      wchar_t name[64] = {};
      GetClassNameW(reinterpret_cast<HWND>(wparam), name, 64);
      if (lstrcmpiW(name, refused_) == 0) return 1;
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
  }

  static inline const wchar_t* refused_ = nullptr;
  HHOOK hook_ = nullptr;
};

TEST(Creation, ADialogWithoutItsButtonIsNotMadeAndSaysWhichPartFailed) {
  StandInMainWindow main(40, 40);
  TestContext test(main.handle());
  GameDialogs dialogs;
  {
    RefusedClass no_buttons(L"Button");
    EXPECT_FALSE(dialogs.CreateAll(test.context));
  }
  // The splash screen has no button; the first dialog with one is the all-solved message.
  EXPECT_EQ(dialogs.creation_failure().what, L"the OK button of the window TAllSolvedDlg");
  EXPECT_EQ(dialogs.all_solved().handle(), nullptr) << "no half-built dialog is left";
  EXPECT_EQ(FindWindowW(L"TAllSolvedDlg", nullptr), nullptr);
  const std::wstring text = StartFailureText(dialogs.creation_failure());
  EXPECT_EQ(text.rfind(L"Verlumo cannot start: the OK button of the window TAllSolvedDlg cannot be created.\r\n\r\n"
                       L"System error ", 0), 0u) << std::string(text.begin(), text.end());
}

TEST(Creation, DialogsAreMadeOneAtATimeInTheirOrderAndARefusalEndsTheMaking) {
  StandInMainWindow main(40, 40);
  TestContext test(main.handle());
  GameDialogs dialogs;
  EXPECT_TRUE(dialogs.CreateNext(test.context));
  EXPECT_NE(dialogs.splash().handle(), nullptr);
  EXPECT_EQ(dialogs.all_solved().handle(), nullptr) << "one window a step";
  int more = 0;
  while (dialogs.CreateNext(test.context)) ++more;
  EXPECT_EQ(more, 6) << "the last step says that none remains";
  EXPECT_NE(dialogs.language().handle(), nullptr);
  EXPECT_TRUE(dialogs.CreateAll(test.context)) << "all exist; none is made twice";

  GameDialogs refused;
  EXPECT_TRUE(refused.CreateNext(test.context));
  {
    RefusedClass no_buttons(L"Button");
    EXPECT_FALSE(refused.CreateNext(test.context));
  }
  EXPECT_FALSE(refused.CreateAll(test.context)) << "no dialog is made after a refusal";
  EXPECT_EQ(refused.end_game().handle(), nullptr);
}

TEST(Creation, ALinkThatCannotBeMadeFailsTheInfoDialogAndAWindowItsOwnClass) {
  StandInMainWindow main(40, 40);
  TestContext test(main.handle());
  TongueDialog language;
  InfoDialog info;
  {
    RefusedClass no_links(L"THyperlinkLabel");
    EXPECT_FALSE(info.Create(test.context, language));
    EXPECT_EQ(info.creation_failure().what, L"a link of the window TInfoDialog");
  }
  {
    RefusedClass no_dialog(L"TTongueDlg");
    EXPECT_FALSE(language.Create(test.context));
    EXPECT_EQ(language.creation_failure().what, L"the window TTongueDlg");
  }
  EXPECT_TRUE(language.Create(test.context)) << "nothing is left over from a failure";
  EXPECT_TRUE(language.creation_failure().what.empty());
}

TEST(Creation, TheStartFailureMessageCarriesTheSystemsTextForTheError) {
  const std::wstring text = StartFailureText({L"the animation timer of the window TMainForm", ERROR_NOT_ENOUGH_MEMORY});
  EXPECT_EQ(text.rfind(L"Verlumo cannot start: the animation timer of the window TMainForm cannot be created.\r\n\r\n"
                       L"System error 8: ", 0), 0u);
  EXPECT_GT(text.size(), 100u) << "the system's own words follow the code";
  EXPECT_NE(text.back(), L'\n');
}

}  // namespace
}  // namespace verlumo
