// The language dialog and the info dialog: the language choice and what closing leaves alone,
// the info dialog's wording and its language button that re-words it while it stays open, its
// links (opened through a stand-in shell here) and the rule for what a link opens.
#include "shell/dialogs/info_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/dialogs/tongue_dialog.h"
#include "tests/win32/dialogs/dialog_test_support.h"
#include "verlumo_version.h"

namespace verlumo {
namespace {

using test_support::ClickOn;
using test_support::Player;
using test_support::PressKey;
using test_support::WindowText;

class InfoDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(info.Create(game.context, language_dialog));
    ASSERT_TRUE(language_dialog.Create(game.context));
    info.set_link_opener([this](HWND, const std::wstring& target) -> INT_PTR {
      opened.push_back(target);
      return target.starts_with(L"mailto:") ? 2 : 42;  // no mail program here
    });
  }

  test_support::StandInMainWindow main_window{150, 120};
  test_support::TestContext game{main_window.handle()};
  InfoDialog info;
  TongueDialog language_dialog;
  std::vector<std::wstring> opened;
};

TEST_F(InfoDialogTest, LanguageDialogSetsTheLanguageOnlyThroughItsButtons) {
  EXPECT_EQ(WindowText(language_dialog.handle()), L"Verlumo V" VERLUMO_VERSION);
  Player click_german;
  click_german.Then([&] { ClickOn(language_dialog.german_button()); });
  EXPECT_EQ(click_german.Play([&] { return language_dialog.ShowModal(); }), 1);
  EXPECT_EQ(game.language.value(), 1);

  Player enter;  // on the English button, where the focus starts
  enter.Then([] { PressKey(VK_RETURN); });
  EXPECT_EQ(enter.Play([&] { return language_dialog.ShowModal(); }), 1);
  EXPECT_EQ(game.language.value(), 0);

  game.language.Set(-1);
  Player escape_then_close;
  escape_then_close.Then([] { PressKey(VK_ESCAPE); })
      .Then([&] { EXPECT_TRUE(IsWindowVisible(language_dialog.handle())); })
      .Then([&] { PostMessageW(language_dialog.handle(), WM_SYSCOMMAND, SC_CLOSE, 0); });
  EXPECT_EQ(escape_then_close.Play([&] { return language_dialog.ShowModal(); }), 2);
  EXPECT_EQ(game.language.value(), -1);
}

TEST_F(InfoDialogTest, LanguageButtonRewordsTheOpenDialogAndTheMainWindow) {
  game.language.Set(1);
  game.languages_applied = 0;  // only the player's choice counts
  Player player;
  player
      .Then([&] {
        EXPECT_EQ(WindowText(info.handle()), L"Info \u00FCber ...");
        EXPECT_EQ(info.coded_text(), L"programmiert in C++");
        EXPECT_EQ(info.member_of_text(), L"Mitglied der");
        EXPECT_EQ(info.program_text(), L"Programm 053");
        EXPECT_EQ(WindowText(info.tongue_button()), L"Sprache");
        ClickOn(info.tongue_button());
      })
      .Then([&] {
        // The language dialog is open over the info dialog, which takes no input meanwhile.
        EXPECT_EQ(GetActiveWindow(), language_dialog.handle());
        EXPECT_FALSE(IsWindowEnabled(info.handle()));
        ClickOn(language_dialog.english_button());
      })
      .Then([&] {
        EXPECT_EQ(GetActiveWindow(), info.handle());
        EXPECT_EQ(GetFocus(), info.tongue_button());
        EXPECT_EQ(WindowText(info.handle()), L"Info about ...");
        EXPECT_EQ(info.coded_text(), L"coded in C++");
        EXPECT_EQ(info.member_of_text(), L"Member of the");
        EXPECT_EQ(info.program_text(), L"Program 053");
        EXPECT_EQ(WindowText(info.tongue_button()), L"Tongue");
        EXPECT_EQ(game.languages_applied, 1);
        ClickOn(info.ok_button());
      });
  EXPECT_EQ(player.Play([&] { return info.ShowModal(); }), 1);
  EXPECT_FALSE(player.had_to_close());
  EXPECT_EQ(game.language.value(), 0);
  EXPECT_TRUE(IsWindowEnabled(main_window.handle()));

  Player close;
  close.Then([&] { PostMessageW(info.handle(), WM_SYSCOMMAND, SC_CLOSE, 0); });
  EXPECT_EQ(close.Play([&] { return info.ShowModal(); }), 2);
}

TEST_F(InfoDialogTest, LinksOpenTheirTargetsAndOneThatFailsGreysOutForGood) {
  const HWND email = info.email_link().handle();
  Player player;
  player.Then([&] { ClickOn(email); })
      .Then([&] { ClickOn(email); })
      .Then([&] { ClickOn(info.home_page_link().handle()); })
      .Then([&] { ClickOn(info.member_link().handle()); })
      .Then([] { PressKey(VK_RETURN); });
  EXPECT_EQ(player.Play([&] { return info.ShowModal(); }), 1);
  const std::vector<std::wstring> expected{L"mailto:verlumo@zorbelgames.example", L"https://zorbelgames.example",
                                           L"https://www.pmk.example"};
  EXPECT_EQ(opened, expected);
  EXPECT_FALSE(IsWindowEnabled(email));
  EXPECT_TRUE(IsWindowEnabled(info.home_page_link().handle()));
  // A used link keeps its active colour for the run; the association's active colour is blue.
  EXPECT_EQ(info.email_link().text_colour(), RGB(255, 255, 0));
  EXPECT_EQ(info.home_page_link().text_colour(), RGB(255, 255, 0));
  EXPECT_EQ(info.member_link().text_colour(), RGB(0, 0, 255));
}

TEST(LinkTargetTest, TrimmedTargetTextElseTheCaptionWithMailToForAddresses) {
  EXPECT_EQ(LinkTarget(L"Our club", L" \t https://www.pmk.example \r\n"), L"https://www.pmk.example");
  EXPECT_EQ(LinkTarget(L"a@b.example", L"https://x.example/?to=a@b"), L"https://x.example/?to=a@b");
  EXPECT_EQ(LinkTarget(L"https://zorbelgames.example", L"  \t "), L"https://zorbelgames.example");
  EXPECT_EQ(LinkTarget(L"verlumo@zorbelgames.example", L""), L"mailto:verlumo@zorbelgames.example");
  // An address already written as a mail link is not prefixed twice.
  EXPECT_EQ(LinkTarget(L"MailTo:verlumo@zorbelgames.example", L""), L"MailTo:verlumo@zorbelgames.example");
}

}  // namespace
}  // namespace verlumo
