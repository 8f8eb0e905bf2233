// A click on the controls the game draws itself is a press and a release on the control: a
// release beside it, or the capture taken away while the button is down, is no click. Worked
// with the mouse through the system's input queue, on a toggle button (a click flips it) and a
// link (a click opens its target).
#include <gtest/gtest.h>

#include "shell/dialogs/hyperlink_label.h"
#include "shell/forms/speed_button.h"
#include "tests/win32/dialogs/dialog_test_support.h"

namespace verlumo {
namespace {

// Lets the input reach the windows: dispatches this thread's messages for a while.
void LetInputArrive() {
  const DWORD start = GetTickCount();
  MSG message;
  while (GetTickCount() - start < 300) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

POINT Middle(HWND window) {
  const RECT rect = test_support::WindowRect(window);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void Button(DWORD flags, POINT at) {
  SetCursorPos(at.x, at.y);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
  LetInputArrive();
}

class ClickTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sound.Create(main_window.handle(), 100, {20, 20, 45, 45}, nullptr, 1, true, words));
    beside = {Middle(sound.handle()).x + 80, Middle(sound.handle()).y};
    LetInputArrive();
  }

  test_support::StandInMainWindow main_window{100, 100};
  test_support::NoWords words;
  SpeedButton sound;
  POINT beside{};
};

TEST_F(ClickTest, OnlyAReleaseOnTheButtonAfterItsPressIsAClick) {
  Button(MOUSEEVENTF_LEFTDOWN, Middle(sound.handle()));
  EXPECT_EQ(GetCapture(), sound.handle()) << "the press holds the mouse";
  Button(MOUSEEVENTF_LEFTUP, beside);
  EXPECT_FALSE(sound.down()) << "released beside the button";
  EXPECT_EQ(GetCapture(), nullptr);

  Button(MOUSEEVENTF_LEFTDOWN, Middle(sound.handle()));
  ReleaseCapture();  // taken away, as when another window takes the mouse
  Button(MOUSEEVENTF_LEFTUP, Middle(sound.handle()));
  EXPECT_FALSE(sound.down()) << "the capture was lost before the release";

  Button(MOUSEEVENTF_LEFTDOWN, Middle(sound.handle()));
  Button(MOUSEEVENTF_LEFTUP, Middle(sound.handle()));
  EXPECT_TRUE(sound.down()) << "pressed and released on the button";
}

TEST_F(ClickTest, ALinkReleasedBesideItOpensNothing) {
  HyperlinkLabel link;
  ASSERT_TRUE(link.Create(main_window.handle(), {20, 60, 100, 15}, {L"link", L"", RGB(255, 0, 0), false}, nullptr));
  int opened = 0;
  link.set_opener([&](HWND, const std::wstring&) -> INT_PTR {
    ++opened;
    return 33;
  });
  LetInputArrive();

  Button(MOUSEEVENTF_LEFTDOWN, Middle(link.handle()));
  Button(MOUSEEVENTF_LEFTUP, beside);
  EXPECT_EQ(opened, 0);
  EXPECT_EQ(link.text_colour(), RGB(255, 0, 0)) << "the press alone turns the link to its active colour";

  Button(MOUSEEVENTF_LEFTDOWN, Middle(link.handle()));
  Button(MOUSEEVENTF_LEFTUP, Middle(link.handle()));
  EXPECT_EQ(opened, 1);
  EXPECT_TRUE(IsWindowEnabled(link.handle())) << "the shell opened it";
}

}  // namespace
}  // namespace verlumo
