// What a screen reader hears of the running game: the toolbar's controls asked through Active
// Accessibility from this process, as Narrator or NVDA ask them from theirs. Every button is a
// push button named by what it does in the game's language and described by its hint, word for
// word as its tooltip shows it; the sound switch is named "Sound" and says by its pressed state
// whether the sound is on, and pressing a button through its default action does what a click
// does. A change of name or state raises its event, for readers that keep what they have read.
#include <gtest/gtest.h>
#include <objbase.h>

#include <set>
#include <string>

#include "tests/e2e/accessible.h"
#include "tests/e2e/game_session.h"
#include "tests/e2e/game_settings.h"
#include "tests/e2e/player.h"

namespace verlumo::e2e {
namespace {

constexpr int kButtonCount = 12;
constexpr int kFirstButtonId = 100;
constexpr int kNewGameId = 100;
constexpr int kSoundId = 104;
constexpr int kTongueId = 108;
constexpr int kLevelScrollId = 200;

// The COM apartment of the test's thread, which the questions to the game go out from.
class ScreenReader : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))); }
  void TearDown() override { CoUninitialize(); }
};

HWND Control(GameSession& session, int id) { return GetDlgItem(session.main(), id); }

bool StartInLanguage(GameSession& session, const wchar_t* tongue) {
  ResetGameSettings();
  WriteGameSetting(L"tongue", tongue);
  return session.StartPastSplash();
}

// The events the game raises for a screen reader that keeps what it has read: which control's
// state or name changed, as a hook outside the game hears them.
class ChangeEvents : public HeardEvents {
 public:
  explicit ChangeEvents(DWORD process_id)
      : HeardEvents(process_id, EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_NAMECHANGE) {}
};

TEST_F(ScreenReader, EveryToolbarControlIsNamedByWhatItDoesAndRenamedWithTheLanguage) {
  GameSession session;
  ASSERT_TRUE(StartInLanguage(session, L"0"));
  std::set<std::wstring> names;
  for (int id = kFirstButtonId; id < kFirstButtonId + kButtonCount; ++id) {
    Accessible button(Control(session, id));
    ASSERT_NE(button.object, nullptr) << "no accessible object for button " << id;
    EXPECT_EQ(button.Role(), ROLE_SYSTEM_PUSHBUTTON) << "button " << id;
    EXPECT_EQ(button.DefaultAction(), L"Press") << "button " << id;
    names.insert(button.Name());
  }
  EXPECT_EQ(names.size(), 12u) << "two buttons share a name, or one has none";
  EXPECT_FALSE(names.count(L""));
  EXPECT_EQ(Accessible(Control(session, kNewGameId)).Name(), L"New game");
  EXPECT_EQ(Accessible(Control(session, kNewGameId)).Description(), L"I want to play a new game.");
  EXPECT_EQ(Accessible(Control(session, kTongueId)).Name(), L"Language");
  EXPECT_EQ(Accessible(Control(session, kTongueId)).Description(), L"Ich spreche nicht englisch.");
  EXPECT_EQ(Accessible(Control(session, kSoundId)).Name(), L"Sound");
  Accessible selector(Control(session, kLevelScrollId));
  EXPECT_EQ(selector.Name(), L"Select level");
  EXPECT_EQ(selector.Role(), ROLE_SYSTEM_SCROLLBAR);
  HWND counter = FindChild(session.main(), L"TPaintBox", 57, 20);
  ASSERT_NE(counter, nullptr);
  EXPECT_EQ(Accessible(counter).Name(), L"Level 1: unsolved");
  // Only the selector takes the keyboard; a reader must not offer to move the focus to the counter.
  EXPECT_TRUE(selector.State() & STATE_SYSTEM_FOCUSABLE);
  EXPECT_FALSE(Accessible(counter).State() & STATE_SYSTEM_FOCUSABLE);

  // The language button, pressed as a screen reader presses it, asks for the language; German
  // renames everything at once, and says so.
  ChangeEvents events(session.game().process_id());
  ASSERT_TRUE(events.hooked());
  ASSERT_EQ(Accessible(Control(session, kTongueId)).Press(), S_OK);
  HWND tongue = session.game().WaitForWindow(L"TTongueDlg", 5000);
  ASSERT_NE(tongue, nullptr) << "the language button's default action asked nothing";
  ASSERT_TRUE(ClickButton(tongue, L"Ich spreche deutsch."));
  ASSERT_TRUE(WaitUntilHidden(tongue));
  Accessible new_game(Control(session, kNewGameId));
  EXPECT_TRUE(Eventually([&] { return new_game.Name() == L"Neues Spiel"; })) << new_game.Name();
  EXPECT_EQ(new_game.Description(), L"Ich fang ein neues Spiel an.");
  EXPECT_EQ(new_game.DefaultAction(), L"Drücken");
  EXPECT_EQ(Accessible(Control(session, kTongueId)).Name(), L"Sprache");
  EXPECT_EQ(Accessible(Control(session, kTongueId)).Description(), L"I don't speak german.");
  EXPECT_EQ(Accessible(Control(session, kSoundId)).Name(), L"Ton");
  EXPECT_EQ(selector.Name(), L"Stufe wählen");
  EXPECT_EQ(Accessible(counter).Name(), L"Stufe 1: ungelöst");
  EXPECT_TRUE(events.Heard(EVENT_OBJECT_NAMECHANGE, Control(session, kNewGameId)));
  EXPECT_TRUE(events.Heard(EVENT_OBJECT_NAMECHANGE, counter));
}

TEST_F(ScreenReader, TheNewGameButtonPressedByItsDefaultActionAsksItsQuestion) {
  GameSession session;
  ASSERT_TRUE(StartInLanguage(session, L"0"));
  const DWORD asked_at = GetTickCount();
  ASSERT_EQ(Accessible(Control(session, kNewGameId)).Press(), S_OK);
  // The call comes back before the question is answered: a screen reader never waits on a dialog.
  EXPECT_LT(GetTickCount() - asked_at, 2000u);
  HWND question = session.game().WaitForWindow(L"TGiveUpDlg", 5000);
  ASSERT_NE(question, nullptr) << "the new-game button's default action asked no question";
  // The dialog's buttons are the system's, named by their captions.
  EXPECT_EQ(Accessible(FindControl(question, L"No")).Name(), L"No");
  ASSERT_TRUE(ClickButton(question, L"No"));
  EXPECT_TRUE(WaitUntilHidden(question));
}

TEST_F(ScreenReader, TheSoundSwitchSaysItIsDownAndADisabledButtonIsUnavailable) {
  GameSession session;
  ASSERT_TRUE(StartInLanguage(session, L"0"));
  Accessible sound(Control(session, kSoundId));
  EXPECT_TRUE(sound.State() & STATE_SYSTEM_PRESSED) << "the sound is on, its switch down";
  ChangeEvents events(session.game().process_id());
  ASSERT_EQ(sound.Press(), S_OK);
  EXPECT_TRUE(Eventually([&] { return !(sound.State() & STATE_SYSTEM_PRESSED); })) << "the switch stayed down";
  EXPECT_EQ(sound.Name(), L"Sound") << "the state alone says on or off";
  EXPECT_TRUE(events.Heard(EVENT_OBJECT_STATECHANGE, Control(session, kSoundId)));
  ASSERT_EQ(sound.Press(), S_OK);
  EXPECT_TRUE(Eventually([&] { return (sound.State() & STATE_SYSTEM_PRESSED) != 0; })) << "the switch stayed up";

  HWND new_game_button = Control(session, kNewGameId);
  Accessible new_game(new_game_button);
  EXPECT_FALSE(new_game.State() & (STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_PRESSED));
  EnableWindow(new_game_button, FALSE);
  EXPECT_TRUE(new_game.State() & STATE_SYSTEM_UNAVAILABLE);
  EXPECT_NE(new_game.Press(), S_OK);
  EXPECT_EQ(session.game().WaitForWindow(L"TGiveUpDlg", 1000), nullptr) << "a disabled button was pressed";
}

}  // namespace
}  // namespace verlumo::e2e
