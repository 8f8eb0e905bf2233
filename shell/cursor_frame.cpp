// The cursor frame's four pieces: where they lie and how they paint.
#include "shell/cursor_frame.h"

#include "shell/forms/painting.h"

namespace verlumo {
namespace {

const WindowClass kPieceClass{L"TCursorFrame", IDC_ARROW, nullptr};

// The frame straddles the cell's border: it reaches kOutside pixels beyond the cell and is
// kThickness pixels wide, a dark line, the bright core, a dark line.
constexpr int kOutside = 2;
constexpr int kThickness = 5;
constexpr int kDarkLine = 1;
constexpr COLORREF kDark = RGB(0, 0, 0);
constexpr COLORREF kBright = RGB(255, 230, 0);

RECT Inflated(RECT rect, int by) {
  InflateRect(&rect, by, by);
  return rect;
}

}  // namespace

bool CursorFrame::Create(HWND parent) {
  for (Piece& piece : pieces_) {
    if (!piece.Create(parent)) return false;
  }
  return true;
}

void CursorFrame::Place(const RECT& cell) {
  const RECT outer = Inflated(cell, kOutside);
  const RECT inner = Inflated(outer, -kThickness);
  const RECT sides[] = {
      {outer.left, outer.top, outer.right, inner.top},        // top
      {outer.left, inner.bottom, outer.right, outer.bottom},  // bottom
      {outer.left, inner.top, inner.left, inner.bottom},      // left
      {inner.right, inner.top, outer.right, inner.bottom},    // right
  };
  for (std::size_t i = 0; i < pieces_.size(); ++i) pieces_[i].Place(sides[i], outer);
}

void CursorFrame::Show(bool shown) {
  for (Piece& piece : pieces_) ShowWindow(piece.handle(), shown ? SW_SHOWNA : SW_HIDE);
}

bool CursorFrame::Piece::Create(HWND parent) {
  if (!CreateOwnWindow(kPieceClass, 0, L"", WS_CHILD | WS_CLIPSIBLINGS, RECT{0, 0, 0, 0}, parent)) return false;
  // Above the board area, which was made before.
  SetWindowPos(handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return true;
}

void CursorFrame::Piece::Place(const RECT& bounds, const RECT& frame) {
  frame_origin_ = {frame.left - bounds.left, frame.top - bounds.top};
  frame_size_ = {frame.right - frame.left, frame.bottom - frame.top};
  SetWindowPos(handle(), HWND_TOP, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
               SWP_NOACTIVATE);
  InvalidateRect(handle(), nullptr, FALSE);
}

LRESULT CursorFrame::Piece::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
  }
  return DefaultHandling(message, wparam, lparam);
}

// The whole frame drawn from its outer corner; the piece shows only its own part of it.
void CursorFrame::Piece::OnPaint(HDC dc) {
  const RECT outer{frame_origin_.x, frame_origin_.y, frame_origin_.x + frame_size_.cx,
                   frame_origin_.y + frame_size_.cy};
  FillSolid(dc, outer, kDark);
  FillSolid(dc, Inflated(outer, -kDarkLine), kBright);
  FillSolid(dc, Inflated(outer, -(kThickness - kDarkLine)), kDark);
}

}  // namespace verlumo
