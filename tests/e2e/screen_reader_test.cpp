// What a screen reader hears of the running game: the toolbar's controls asked through Active
// Accessibility from this process, as Narrator or NVDA ask them from theirs. Every button is a
// push button named by its hint in the game's language, the sound switch says whether it is
// down, and pressing a button through its default action does what a click does. A change of
// name or state raises its event, for readers that keep what they have read.
#include <gtest/gtest.h>
#include <objbase.h>
#include <oleacc.h>

#include <cwchar>
#include <set>
#include <string>
#include <utility>

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

// The control's accessible object, as AccessibleObjectFromWindow gives it to any process.
struct Accessible {
  explicit Accessible(HWND control) {
    AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&object));
  }
  ~Accessible() {
    if (object != nullptr) object->Release();
  }
  Accessible(const Accessible&) = delete;
  Accessible& operator=(const Accessible&) = delete;

  static VARIANT Self() {
    VARIANT self;
    VariantInit(&self);
    V_VT(&self) = VT_I4;
    V_I4(&self) = CHILDID_SELF;
    return self;
  }
  // The text, or the failure's code in its place.
  static std::wstring Take(HRESULT result, BSTR text) {
    wchar_t failure[32];
    swprintf(failure, 32, L"failure 0x%08lX", static_cast<unsigned long>(result));
    std::wstring taken = SUCCEEDED(result) && text != nullptr ? std::wstring(text, SysStringLen(text)) : failure;
    SysFreeString(text);
    return taken;
  }
  std::wstring Name() const {
    BSTR text = nullptr;
    const HRESULT result = object->get_accName(Self(), &text);
    return Take(result, text);
  }
  std::wstring DefaultAction() const {
    BSTR text = nullptr;
    const HRESULT result = object->get_accDefaultAction(Self(), &text);
    return Take(result, text);
  }
  LONG Role() const {
    VARIANT role;
    VariantInit(&role);
    return SUCCEEDED(object->get_accRole(Self(), &role)) && V_VT(&role) == VT_I4 ? V_I4(&role) : -1;
  }
  LONG State() const {
    VARIANT state;
    VariantInit(&state);
    return SUCCEEDED(object->get_accState(Self(), &state)) && V_VT(&state) == VT_I4 ? V_I4(&state) : -1;
  }
  HRESULT Press() const { return object->accDoDefaultAction(Self()); }

  IAccessible* object = nullptr;
};

HWND Control(GameSession& session, int id) { return GetDlgItem(session.main(), id); }

bool StartInLanguage(GameSession& session, const wchar_t* tongue) {
  ResetGameSettings();
  WriteGameSetting(L"tongue", tongue);
  return session.StartPastSplash();
}

// Waits until the condition holds, for at most two seconds, taking in the events meanwhile.
template <typename Condition>
bool Eventually(Condition condition) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > 2000) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  return true;
}

// The events the game raises for a screen reader that keeps what it has read: which control's
// state or name changed, as a hook outside the game hears them.
class ChangeEvents {
 public:
  explicit ChangeEvents(DWORD process_id)
      : hook_(SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, Hear, process_id, 0,
                              WINEVENT_OUTOFCONTEXT)) {
    heard().clear();
  }
  ~ChangeEvents() { UnhookWinEvent(hook_); }
  ChangeEvents(const ChangeEvents&) = delete;
  ChangeEvents& operator=(const ChangeEvents&) = delete;

  bool hooked() const { return hook_ != nullptr; }
  bool Heard(DWORD event, HWND control) const {
    return Eventually([&] { return heard().count({event, control}) > 0; });
  }

 private:
  static std::set<std::pair<DWORD, HWND>>& heard() {
    static std::set<std::pair<DWORD, HWND>> events;
    return events;
  }
  static void CALLBACK Hear(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT && child == CHILDID_SELF) heard().insert({event, window});
  }

  HWINEVENTHOOK hook_;
};

TEST_F(ScreenReader, EveryToolbarControlIsNamedByItsHintAndRenamedWithTheLanguage) {
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
  EXPECT_EQ(Accessible(Control(session, kNewGameId)).Name(), L"I want to play a new game.");
  EXPECT_EQ(Accessible(Control(session, kTongueId)).Name(), L"Ich spreche nicht englisch.");
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
  EXPECT_TRUE(Eventually([&] { return new_game.Name() == L"Ich fang ein neues Spiel an."; })) << new_game.Name();
  EXPECT_EQ(new_game.DefaultAction(), L"Drücken");
  EXPECT_EQ(Accessible(Control(session, kTongueId)).Name(), L"I don't speak german.");
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
