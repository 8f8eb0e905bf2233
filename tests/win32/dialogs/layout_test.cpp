// The Windows dialogs lay out from the same table the page is given: every button and link
// window stands at its box, and the game's icon is painted exactly in its box. A dialog that
// drifted from the table, or a table that drifted from the dialogs, fails here.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "midend/layout.h"
#include "shell/dialogs/game_dialogs.h"
#include "tests/win32/dialogs/dialog_test_support.h"

namespace verlumo {
namespace {

using test_support::Player;

// The child windows' rectangles in the dialog's client area.
std::vector<RECT> ChildRects(HWND dialog) {
  std::vector<RECT> rects;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    rects.push_back(rect);
  }
  return rects;
}

// A 32-bit picture of width x height to draw into and read back.
class Pixels {
 public:
  Pixels(int width, int height) : width_(width) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    dc_ = CreateCompatibleDC(nullptr);
    previous_ = SelectObject(dc_, bitmap_);
  }
  ~Pixels() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
  }
  Pixels(const Pixels&) = delete;
  Pixels& operator=(const Pixels&) = delete;

  HDC dc() const { return dc_; }
  DWORD at(int x, int y) const {
    GdiFlush();
    return bits_[y * width_ + x] & 0xFFFFFF;
  }

 private:
  int width_;
  DWORD* bits_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HDC dc_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

// The icon as the dialog shows it: drawn on the background just beside the box, it gives the
// very pixels the dialog shows inside the box.
void ExpectIconAt(HWND dialog, HICON icon, const Box& box) {
  RECT client;
  GetClientRect(dialog, &client);
  Pixels shown(client.right, client.bottom);
  HDC window = GetDC(dialog);
  BitBlt(shown.dc(), 0, 0, client.right, client.bottom, window, 0, 0, SRCCOPY);
  ReleaseDC(dialog, window);
  const DWORD background = shown.at(box.left - 1, box.top - 1);
  Pixels expected(32, 32);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) SetPixel(expected.dc(), x, y, RGB(background >> 16, (background >> 8) & 0xFF, background & 0xFF));
  }
  DrawIconEx(expected.dc(), 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
  int differing = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) differing += shown.at(box.left + x, box.top + y) != expected.at(x, y);
  }
  EXPECT_EQ(differing, 0) << "the icon is not drawn at " << box.left << "," << box.top;
}

void ExpectLaidOut(HWND dialog, HICON icon, DialogName name) {
  const DialogLayout& layout = DialogLayoutOf(name);
  SCOPED_TRACE(layout.name);
  UpdateWindow(dialog);
  RECT client;
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, layout.width);
  EXPECT_EQ(client.bottom, layout.height);
  const std::vector<RECT> children = ChildRects(dialog);
  for (const Control& control : layout.controls) {
    if (control.kind == ControlKind::kIcon) ExpectIconAt(dialog, icon, control.box);
    if (control.kind != ControlKind::kButton && control.kind != ControlKind::kLink) continue;
    // A one-line link takes its text's width; its corner is the table's.
    const bool whole = control.kind == ControlKind::kButton;
    bool found = false;
    for (const RECT& rect : children) {
      found = found || (rect.left == control.box.left && rect.top == control.box.top &&
                        (!whole || (rect.right - rect.left == control.box.width &&
                                    rect.bottom - rect.top == control.box.height)));
    }
    EXPECT_TRUE(found) << control.name << " is not at its box";
  }
}

TEST(Layout, EveryDialogStandsWhereTheTableThePageGetsSays) {
  test_support::StandInMainWindow main_window(60, 40);
  test_support::TestContext game(main_window.handle());
  GameDialogs dialogs;
  ASSERT_TRUE(dialogs.CreateAll(game.context));
  const std::pair<DialogForm*, DialogName> shown[] = {
      {&dialogs.solved(), DialogName::kSolved},     {&dialogs.all_solved(), DialogName::kAllSolved},
      {&dialogs.restart(), DialogName::kRestart},   {&dialogs.give_up(), DialogName::kGiveUp},
      {&dialogs.end_game(), DialogName::kEndGame},  {&dialogs.language(), DialogName::kLanguage},
      {&dialogs.info(), DialogName::kInfo},
  };
  for (const auto& [dialog, name] : shown) {
    Player player;
    player.Then([&, dialog = dialog, name = name] { ExpectLaidOut(dialog->handle(), game.context.icon, name); })
        .Then([dialog = dialog] { PostMessageW(dialog->handle(), WM_CLOSE, 0, 0); });
    player.Play([dialog = dialog] { return dialog->ShowModal(); });
    EXPECT_FALSE(player.had_to_close());
  }
}

}  // namespace
}  // namespace verlumo
