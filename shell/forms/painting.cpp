// Painting bevels, labels and pictures.
#include "shell/forms/painting.h"

namespace verlumo {

OwnedFont CreateUiFont(const wchar_t* face, int height, bool bold, bool underline) {
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  font.lfUnderline = underline ? TRUE : FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
  return OwnedFont(CreateFontIndirectW(&font));
}

void DrawLoweredBevel(HDC dc, const RECT& bounds) {
  RECT frame = bounds;
  DrawEdge(dc, &frame, BDR_SUNKENOUTER, BF_RECT);
}

void DrawRaisedBevel(HDC dc, const RECT& bounds) {
  RECT frame = bounds;
  DrawEdge(dc, &frame, BDR_RAISEDINNER, BF_RECT);
}

void FillSolid(HDC dc, const RECT& bounds, COLORREF colour) {
  const COLORREF previous = SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &bounds, nullptr, 0, nullptr);
  SetBkColor(dc, previous);
}

void DrawLabel(HDC dc, const RECT& bounds, const std::wstring& text, const LabelStyle& style) {
  if (!style.transparent) FillSolid(dc, bounds, GetSysColor(COLOR_BTNFACE));
  SelectedObject font(dc, style.font != nullptr ? style.font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, style.colour);
  RECT area = bounds;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, style.format);
}

void DrawPicture(HDC dc, HBITMAP picture, int x, int y) {
  BITMAP info{};
  if (picture == nullptr || !GetObjectW(picture, sizeof info, &info)) return;
  HDC source = CreateCompatibleDC(dc);
  {
    SelectedObject selected(source, picture);
    BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
  }
  DeleteDC(source);
}

}  // namespace verlumo
