// A push button with a picture beside its caption (the dialogs' OK, Yes and No buttons). The
// picture's bottom-left pixel gives its transparent colour; a second image of the same size to
// the right of the first, when present, is the greyed picture for the disabled state.
#pragma once

#include <windows.h>

#include <string>

#include "shell/forms/window.h"

namespace verlumo {

// The system's push button, adopted: it keeps its own behaviour (focus, keys, clicks) and its
// parent has it drawn here.
class GlyphButton final : public Window {
 public:
  // Creates the button as a child of parent with the given control id. glyph is borrowed and
  // must outlive the button; images is 1 or 2.
  bool Create(HWND parent, int id, RECT bounds, HBITMAP glyph, int images, HFONT font);
  void SetCaption(const std::wstring& caption);

  // The parent's WM_DRAWITEM: draws the button it concerns; false when it is none of ours.
  static bool Draw(const DRAWITEMSTRUCT& item);

 private:
  HBITMAP glyph_ = nullptr;
  int images_ = 1;
  HFONT font_ = nullptr;
};

// Draws one image of a glyph strip with its transparent colour left out.
void DrawGlyph(HDC dc, HBITMAP glyph, int image, int images, int x, int y);

}  // namespace verlumo
