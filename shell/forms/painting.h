// What forms paint themselves rather than leave to child windows: bevels, labels, pictures and
// filled shapes, and the fonts the labels use.
#pragma once

#include <windows.h>

#include <string>

#include "shell/forms/gdi_handles.h"

namespace verlumo {

// A font by face name and pixel height (negative: character height, as the forms give them).
OwnedFont CreateUiFont(const wchar_t* face, int height, bool bold = false, bool underline = false);

// A lowered box frame, the look of a bevel set into the form.
void DrawLoweredBevel(HDC dc, const RECT& bounds);
// A raised one-pixel frame, the look of a panel.
void DrawRaisedBevel(HDC dc, const RECT& bounds);

void FillSolid(HDC dc, const RECT& bounds, COLORREF colour);

struct LabelStyle {
  HFONT font = nullptr;
  COLORREF colour = RGB(0, 0, 0);
  UINT format = DT_LEFT | DT_TOP | DT_NOPREFIX;  // DrawText flags: alignment, DT_WORDBREAK...
  bool transparent = true;                        // else the form's button-face colour behind
};
void DrawLabel(HDC dc, const RECT& bounds, const std::wstring& text, const LabelStyle& style);

// A bitmap drawn whole and opaque with its top-left corner at (x, y).
void DrawPicture(HDC dc, HBITMAP picture, int x, int y);

}  // namespace verlumo
