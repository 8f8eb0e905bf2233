// Every window wrapper owns its window alike: its destructor destroys the window, and a window
// destroyed first (with its parent) makes the wrapper forget it. Either order leaves no window
// that names a dead object and no object that names a dead window.
#include <gtest/gtest.h>

#include <memory>

#include "shell/dialogs/hyperlink_label.h"
#include "shell/forms/glyph_button.h"
#include "shell/forms/speed_button.h"
#include "shell/forms/tooltips.h"
#include "shell/paint_box.h"
#include "tests/win32/dialogs/dialog_test_support.h"

namespace verlumo {
namespace {

struct Wrappers {
  test_support::NoWords words;
  SpeedButton speed;
  GlyphButton glyph;
  PaintBox box;
  HyperlinkLabel link;

  void CreateIn(HWND parent) {
    ASSERT_TRUE(speed.Create(parent, 100, {0, 0, 25, 25}, nullptr, 1, false, words));
    ASSERT_TRUE(glyph.Create(parent, 1, {30, 0, 100, 27}, nullptr, 1, nullptr));
    ASSERT_TRUE(box.Create(parent, {0, 40, 50, 90}, [] {}));
    ASSERT_TRUE(link.Create(parent, {0, 100, 80, 15}, {L"link", L"", HyperlinkLabel::kLinkColour, true}, nullptr));
  }
  std::vector<HWND> handles() const { return {speed.handle(), glyph.handle(), box.handle(), link.handle()}; }
};

TEST(WindowOwnership, WrappersGoingFirstTakeTheirWindowsWithThem) {
  test_support::StandInMainWindow parent(30, 30);
  auto wrappers = std::make_unique<Wrappers>();
  wrappers->CreateIn(parent.handle());
  const std::vector<HWND> children = wrappers->handles();
  HWND glyph = wrappers->glyph.handle();
  ASSERT_NE(GetPropW(glyph, L"VerlumoGlyphButton"), nullptr);

  wrappers.reset();
  for (HWND child : children) EXPECT_FALSE(IsWindow(child));
  EXPECT_TRUE(IsWindow(parent.handle()));
  EXPECT_EQ(GetWindow(parent.handle(), GW_CHILD), nullptr) << "no child window is left behind";
}

TEST(WindowOwnership, WindowsDestroyedWithTheirParentAreForgotten) {
  Wrappers wrappers;
  HWND glyph = nullptr;
  {
    test_support::StandInMainWindow parent(30, 30);
    wrappers.CreateIn(parent.handle());
    glyph = wrappers.glyph.handle();
    UpdateWindow(parent.handle());
  }  // the parent goes first, and its children with it
  for (HWND child : wrappers.handles()) EXPECT_EQ(child, nullptr);
  EXPECT_FALSE(IsWindow(glyph));
  EXPECT_EQ(GetPropW(glyph, L"VerlumoGlyphButton"), nullptr) << "the owner property went with the button";
}

TEST(WindowOwnership, TooltipsGoWithTheirOwnerAndForgetTheirWindow) {
  Tooltips tooltips;
  HWND tooltip = nullptr;
  {
    test_support::StandInMainWindow owner(30, 30);
    ASSERT_TRUE(tooltips.Create(owner.handle()));
    tooltip = tooltips.handle();
  }
  EXPECT_FALSE(IsWindow(tooltip));
  EXPECT_EQ(tooltips.handle(), nullptr) << "no stale handle is left to destroy";
}

}  // namespace
}  // namespace verlumo
