// Drawing push buttons with pictures.
#include "shell/forms/glyph_button.h"

#include "shell/forms/gdi_handles.h"

namespace verlumo {
namespace {

constexpr wchar_t kOwnerProperty[] = L"VerlumoGlyphButton";
constexpr int kGlyphSpacing = 4;  // between the picture and the caption

}  // namespace

void DrawGlyph(HDC dc, HBITMAP glyph, int image, int images, int x, int y) {
  BITMAP info{};
  if (glyph == nullptr || !GetObjectW(glyph, sizeof info, &info)) return;
  const int width = info.bmWidth / images;
  HDC source = CreateCompatibleDC(dc);
  {
    SelectedObject selected(source, glyph);
    const COLORREF transparent = GetPixel(source, 0, info.bmHeight - 1);
    TransparentBlt(dc, x, y, width, info.bmHeight, source, image * width, 0, width, info.bmHeight,
                   transparent);
  }
  DeleteDC(source);
}

bool GlyphButton::Create(HWND parent, int id, RECT bounds, HBITMAP glyph, int images, HFONT font) {
  glyph_ = glyph;
  images_ = images;
  font_ = font;
  HWND button = CreateChildWindow(L"BUTTON", 0, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, bounds,
                                  parent, id);
  if (button == nullptr || !Adopt(button, kOwnerProperty)) return false;
  SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return true;
}

void GlyphButton::SetCaption(const std::wstring& caption) {
  SetWindowTextW(handle(), caption.c_str());
  InvalidateRect(handle(), nullptr, TRUE);
}

bool GlyphButton::Draw(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_BUTTON) return false;
  auto* button = static_cast<GlyphButton*>(static_cast<Window*>(GetPropW(item.hwndItem, kOwnerProperty)));
  if (button == nullptr) return false;

  HDC dc = item.hDC;
  RECT frame = item.rcItem;
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;

  // The focused button carries the default mark, a black line round its frame.
  if (focused) {
    FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&frame, -1, -1);
  }
  DrawFrameControl(dc, &frame, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED | DFCS_FLAT : 0));

  wchar_t caption[128] = {};
  const int caption_length = GetWindowTextW(item.hwndItem, caption, 128);
  SelectedObject font(dc, button->font_);
  RECT text_size{0, 0, 0, 0};
  DrawTextW(dc, caption, caption_length, &text_size, DT_CALCRECT | DT_SINGLELINE);

  BITMAP glyph{};
  const bool has_glyph = button->glyph_ != nullptr && GetObjectW(button->glyph_, sizeof glyph, &glyph);
  const int glyph_width = has_glyph ? glyph.bmWidth / button->images_ : 0;
  const int glyph_height = has_glyph ? glyph.bmHeight : 0;
  const int spacing = has_glyph && caption_length > 0 ? kGlyphSpacing : 0;
  const int total = glyph_width + spacing + text_size.right;
  const int shift = pushed ? 1 : 0;
  const int left = (item.rcItem.right - item.rcItem.left - total) / 2 + shift;
  const int middle = (item.rcItem.bottom - item.rcItem.top) / 2 + shift;

  if (has_glyph) {
    const int image = disabled && button->images_ > 1 ? 1 : 0;
    DrawGlyph(dc, button->glyph_, image, button->images_, left, middle - glyph_height / 2);
  }
  RECT text{left + glyph_width + spacing, middle - text_size.bottom / 2, 0, 0};
  text.right = text.left + text_size.right;
  text.bottom = text.top + text_size.bottom;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  DrawTextW(dc, caption, caption_length, &text, DT_SINGLELINE);

  if (focused) {
    RECT focus = frame;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
  return true;
}

}  // namespace verlumo
