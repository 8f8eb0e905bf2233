// The five message dialogs worked like a player: their answers to Enter, Escape, Tab and the
// title-bar close, and their wording in each language; and where every dialog opens.
#include "shell/dialogs/message_dialog.h"

#include <gtest/gtest.h>

#include "shell/dialogs/game_dialogs.h"
#include "tests/win32/dialogs/dialog_test_support.h"

namespace verlumo {
namespace {

using test_support::ClickOn;
using test_support::Player;
using test_support::PressKey;
using test_support::WindowRect;
using test_support::WindowText;

struct Expected {
  MessageKind kind;
  const wchar_t* class_name;
  int enter;   // Enter on the OK button
  int escape;  // 0: Escape does nothing
  const wchar_t* english;
  const wchar_t* german;
};

const Expected kDialogs[] = {
    {MessageKind::kSolved, L"TSolvedDlg", 1, 0, L"Hurrah, you did it!", L"Hurra, geschafft!"},
    {MessageKind::kAllSolved, L"TAllSolvedDlg", 1, 0, L"Congratulation, you solved all levels.",
     L"Gratulation, Du hast alle Stufen gel\u00F6st."},
    {MessageKind::kRestart, L"TRestartDlg", 6, 7, L"Do you really want to give up the level?",
     L"Willst Du die Stufe wirklich aufgeben?"},
    {MessageKind::kGiveUp, L"TGiveUpDlg", 6, 2, L"Do you really want to start at the beginning?",
     L"Willst Du das Spiel wirklich von vorne beginnen?"},
    {MessageKind::kEndGame, L"TEndGameDlg", 6, 2, L"Do you really want to go?",
     L"Willst Du wirklich schon aufh\u00F6ren?"},
};

class DialogTest : public ::testing::Test {
 protected:
  test_support::StandInMainWindow main_window{120, 90};
  test_support::TestContext game{main_window.handle()};
};

TEST_F(DialogTest, MessageDialogsAnswerEnterEscapeAndTheCloseBox) {
  for (const Expected& expected : kDialogs) {
    SCOPED_TRACE(expected.class_name);
    MessageDialog dialog(expected.kind);
    ASSERT_TRUE(dialog.Create(game.context));
    EXPECT_EQ(FindWindowW(expected.class_name, nullptr), dialog.handle());

    Player enter;
    enter.Then([&] { EXPECT_EQ(GetFocus(), dialog.ok_button()); }).Then([] { PressKey(VK_RETURN); });
    EXPECT_EQ(enter.Play([&] { return dialog.ShowModal(); }), expected.enter);

    // Escape answers the questions; an announcement stays until its OK is clicked.
    Player escape;
    escape.Then([] { PressKey(VK_ESCAPE); })
        .Then([&] { EXPECT_EQ(IsWindowVisible(dialog.handle()) != FALSE, expected.escape == 0); })
        .Then([&] {
          if (IsWindowVisible(dialog.handle())) ClickOn(dialog.ok_button());
        });
    EXPECT_EQ(escape.Play([&] { return dialog.ShowModal(); }), expected.escape != 0 ? expected.escape : 1);

    Player close_box;
    close_box.Then([&] { PostMessageW(dialog.handle(), WM_SYSCOMMAND, SC_CLOSE, 0); });
    EXPECT_EQ(close_box.Play([&] { return dialog.ShowModal(); }), 2);
    EXPECT_FALSE(enter.had_to_close() || escape.had_to_close() || close_box.had_to_close());
    EXPECT_TRUE(IsWindowEnabled(main_window.handle()));
  }
}

TEST_F(DialogTest, FocusStartsOnOkAtEveryShowing) {
  MessageDialog dialog(MessageKind::kEndGame);
  ASSERT_TRUE(dialog.Create(game.context));
  Player tab_to_no;
  tab_to_no.Then([] { PressKey(VK_TAB); }).Then([] { PressKey(VK_RETURN); });
  EXPECT_EQ(tab_to_no.Play([&] { return dialog.ShowModal(); }), 2);
  Player enter;
  enter.Then([] { PressKey(VK_RETURN); });
  EXPECT_EQ(enter.Play([&] { return dialog.ShowModal(); }), 6);
}

TEST_F(DialogTest, MessageDialogsAreWordedInTheLanguageOfTheirShowing) {
  for (const Expected& expected : kDialogs) {
    MessageDialog dialog(expected.kind);
    ASSERT_TRUE(dialog.Create(game.context));
    const bool question = dialog.cancel_button() != nullptr;
    // Only 1 is German; the unset -1 and any stray value read as English.
    for (const int language : {-1, 0, 1, 7}) {
      SCOPED_TRACE(std::wstring(expected.class_name) + L" language " + std::to_wstring(language));
      game.language.Set(language);
      const bool german = language == 1;
      Player player;
      player
          .Then([&] {
            EXPECT_EQ(WindowText(dialog.handle()), L"Verlumo");
            EXPECT_EQ(dialog.message(), german ? expected.german : expected.english);
            EXPECT_EQ(WindowText(dialog.ok_button()), question ? (german ? L"Ja" : L"Yes") : L"OK");
            if (question) {
              EXPECT_EQ(WindowText(dialog.cancel_button()), german ? L"Nein" : L"No");
            }
          })
          .Then([] { PressKey(VK_RETURN); });
      player.Play([&] { return dialog.ShowModal(); });
    }
  }
}

// Centred horizontally on the main window and vertically on its client area, with no clamping
// to the screen, also where that leaves a dialog partly or wholly off it.
TEST_F(DialogTest, EveryDialogOpensOverTheMainWindowWhereverThatIs) {
  GameDialogs dialogs;
  ASSERT_TRUE(dialogs.CreateAll(game.context));
  Form* const placed[] = {&dialogs.solved(), &dialogs.all_solved(), &dialogs.restart(), &dialogs.give_up(),
                          &dialogs.end_game(), &dialogs.language(), &dialogs.info()};
  const int screen_width = GetSystemMetrics(SM_CXSCREEN);
  const int screen_height = GetSystemMetrics(SM_CYSCREEN);
  for (const POINT main_at : {POINT{120, 90}, POINT{screen_width - 140, screen_height - 60}, POINT{-400, -300}}) {
    main_window.MoveTo(main_at.x, main_at.y);
    const RECT main = WindowRect(main_window.handle());
    RECT client{};
    GetClientRect(main_window.handle(), &client);
    for (Form* dialog : placed) {
      SCOPED_TRACE(WindowText(dialog->handle()) + L" at " + std::to_wstring(main_at.x));
      RECT shown{};
      Player player;
      player.Then([&] { shown = WindowRect(dialog->handle()); })
          .Then([&] { PostMessageW(dialog->handle(), WM_CLOSE, 0, 0); });
      player.Play([&] { return dialog->ShowModal(); });
      const int width = shown.right - shown.left;
      const int height = shown.bottom - shown.top;
      EXPECT_EQ(shown.left, main.left + (main.right - main.left - width) / 2);
      EXPECT_EQ(shown.top, main.bottom - (client.bottom + height) / 2);
    }
  }
}

}  // namespace
}  // namespace verlumo
