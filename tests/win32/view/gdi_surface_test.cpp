// The GDI surfaces draw exactly what the memory surfaces draw: the same bitmaps, made into DIB
// sections from BMP file images, the same view operations, and the board area read back with
// GetDIBits must match pixel for pixel.
#include "view/win32/gdi_surface.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/unit/view/synthetic_sheets.h"
#include "view/board_view.h"

namespace verlumo {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// The surface as a bottom-up BMP file image: 24 bits, or 8 bits with a palette of the colours
// it uses (at most 256).
Bytes EncodeBmp(const MemorySurface& surface, bool paletted) {
  std::vector<std::uint32_t> palette;
  if (paletted) {
    for (std::uint32_t rgb : surface.pixels()) {
      if (std::find(palette.begin(), palette.end(), rgb) == palette.end()) palette.push_back(rgb);
    }
  }
  const int bits = paletted ? 8 : 24;
  const std::size_t stride = ((static_cast<std::size_t>(surface.width()) * bits + 31) / 32) * 4;
  Bytes b(54 + palette.size() * 4 + stride * surface.height());
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, static_cast<std::uint32_t>(b.size()));
  Put32(b, 10, static_cast<std::uint32_t>(54 + palette.size() * 4));
  Put32(b, 14, 40);
  Put32(b, 18, static_cast<std::uint32_t>(surface.width()));
  Put32(b, 22, static_cast<std::uint32_t>(surface.height()));
  b[26] = 1;
  b[28] = static_cast<std::uint8_t>(bits);
  Put32(b, 46, static_cast<std::uint32_t>(palette.size()));
  for (std::size_t i = 0; i < palette.size(); ++i) Put32(b, 54 + i * 4, palette[i]);
  for (int y = 0; y < surface.height(); ++y) {
    std::uint8_t* row = &b[54 + palette.size() * 4 + stride * (surface.height() - 1 - y)];
    for (int x = 0; x < surface.width(); ++x) {
      const std::uint32_t rgb = surface.pixel(x, y);
      if (paletted) {
        row[x] = static_cast<std::uint8_t>(std::find(palette.begin(), palette.end(), rgb) - palette.begin());
      } else {
        row[3 * x] = rgb & 0xFF;
        row[3 * x + 1] = (rgb >> 8) & 0xFF;
        row[3 * x + 2] = (rgb >> 16) & 0xFF;
      }
    }
  }
  return b;
}

// The bitmap's pixels as 0x00RRGGBB, top row first, read back through GetDIBits.
std::vector<std::uint32_t> ReadBack(const GdiBitmapSurface& surface) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = surface.width();
  info.bmiHeader.biHeight = -surface.height();
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(surface.width()) * surface.height());
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, surface.bitmap(), 0, static_cast<UINT>(surface.height()),
                             pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(rows, surface.height());
  for (std::uint32_t& p : pixels) p &= 0xFFFFFF;
  return pixels;
}

class SilentHost : public ViewHost {
  void SetCaption(const std::string&) override {}
  void SetLevelCounterHint(const std::string&) override {}
  void RepaintLevelButtons() override {}
};

TEST(GdiSurface, DrawsTheSamePixelsAsTheMemorySurface) {
  using namespace testing;
  const MemorySurface tiles = MakeTileSheet(), frame = MakeFrameSheet(), glyphs = MakeGlyphSheet();
  const GdiBitmapSurface gdi_tiles(EncodeBmp(tiles, false));
  // The game holds the frame sheet, whose masks are copied with SRCAND and SRCPAINT, in 32 bits.
  const GdiBitmapSurface gdi_frame(EncodeBmp(frame, false), GdiBitmapSurface::Format::kWindow);
  const GdiBitmapSurface gdi_glyphs(EncodeBmp(glyphs, true), GdiBitmapSurface::Format::kWindow);
  ASSERT_TRUE(gdi_tiles.valid() && gdi_frame.valid() && gdi_glyphs.valid()) << gdi_glyphs.error();
  EXPECT_EQ(ReadBack(gdi_glyphs), glyphs.pixels()) << "the 8-bit sheet keeps its palette colours";
  EXPECT_EQ(ReadBack(gdi_frame), frame.pixels()) << "the 24-bit sheet widened to 32 bits row by row";
  BITMAP frame_bitmap{};
  GetObjectW(gdi_frame.bitmap(), sizeof frame_bitmap, &frame_bitmap);
  EXPECT_EQ(frame_bitmap.bmBitsPixel, 32);

  GameState state;
  state.levels.assign(40, Board{});
  for (int level = 1; level <= 17; ++level) state.solved_flags[level - 1] = 1;
  state.current_level = 305 % 40;
  for (int cell = 0; cell < kCells; ++cell) state.board[cell] = static_cast<TileCode>((cell * 37) % 200);
  state.board[CellIndex(3, 2)] = 4;
  state.selected_column = 3;
  state.selected_row = 2;
  state.has_selected_cell = true;

  MemorySurface memory_box(520, 376), memory_counter(57, 20), memory_cell(48, 48);
  GdiBitmapSurface gdi_box(520, 376), gdi_counter(57, 20), gdi_cell(48, 48, GdiBitmapSurface::Format::kWindow);
  SilentHost host;
  BoardView memory_view(state, {tiles, frame, glyphs}, memory_box, memory_counter, memory_cell, host);
  BoardView gdi_view(state, {gdi_tiles, gdi_frame, gdi_glyphs}, gdi_box, gdi_counter, gdi_cell, host);
  // The GDI bitmaps start black; so do the memory ones.
  for (BoardView* view : {&memory_view, &gdi_view}) {
    view->PaintBoardArea();
    view->TimerTimer();
    view->TimerTimer();
  }
  EXPECT_EQ(ReadBack(gdi_box), memory_box.pixels());
  EXPECT_EQ(ReadBack(gdi_counter), memory_counter.pixels());
  EXPECT_EQ(ReadBack(gdi_cell), memory_cell.pixels());
}

// A bitmap of one colour.
void Fill(GdiBitmapSurface& surface, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  const RECT all{0, 0, surface.width(), surface.height()};
  FillRect(surface.dc(), &all, brush);
  DeleteObject(brush);
}

TEST(GdiSurface, CopiesToAWindowReachItInsideNestedBatchesAndAfterThem) {
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 64, 16, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  GdiBitmapSurface red(16, 16), green(16, 16), blue(16, 16);
  Fill(red, RGB(255, 0, 0));
  Fill(green, RGB(0, 255, 0));
  Fill(blue, RGB(0, 0, 255));
  GdiWindowSurface surface(window, 64, 16);
  {
    GdiWindowSurface::Batch outer(surface);
    {
      GdiWindowSurface::Batch inner(surface);
      surface.Copy(0, 0, 16, 16, red, 0, 0, RasterOp::kCopy);
    }
    // The inner batch has ended; the outer one's context must still be there.
    surface.Copy(16, 0, 16, 16, green, 0, 0, RasterOp::kCopy);
  }
  surface.Copy(32, 0, 16, 16, blue, 0, 0, RasterOp::kCopy);

  HDC dc = GetDC(window);
  EXPECT_EQ(GetPixel(dc, 8, 8), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 24, 8), RGB(0, 255, 0));
  EXPECT_EQ(GetPixel(dc, 40, 8), RGB(0, 0, 255));
  ReleaseDC(window, dc);
  DestroyWindow(window);
}

TEST(GdiSurface, RefusesABrokenImageWithoutCreatingABitmap) {
  const GdiBitmapSurface broken(Bytes{'B', 'M', 1, 2, 3});
  EXPECT_FALSE(broken.valid());
  EXPECT_FALSE(broken.error().empty());
}

}  // namespace
}  // namespace verlumo
