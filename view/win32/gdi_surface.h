// GDI surfaces: bitmaps in memory device contexts (the bitmap list and the cell buffer) and the
// windows the game draws into. Every GDI object is owned here and released with its surface.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "view/surface.h"

namespace verlumo {

// A DIB section selected into its own memory device context; a source and a destination.
class GdiBitmapSurface final : public Surface {
 public:
  // How a picture is held. A 24-bit picture copied to a window (32 bits per pixel under Wine
  // and on any current Windows) is converted through a temporary copy of the area on every
  // copy; a picture copied whole on each repaint is better held in the window's format.
  enum class Format { kAsStored, kWindow };
  // A bitmap of the given size, 24 bits per pixel or, for kWindow, 32; when the system
  // refuses, an invalid one.
  GdiBitmapSurface(int width, int height, Format format = Format::kAsStored);
  // The picture of a BMP file image, in its own pixel format and palette, or, for kWindow and a
  // 24-bit image, in 32 bits per pixel. Check valid().
  explicit GdiBitmapSurface(const std::vector<std::uint8_t>& bmp_file_image, Format format = Format::kAsStored);
  ~GdiBitmapSurface() override;
  GdiBitmapSurface(const GdiBitmapSurface&) = delete;
  GdiBitmapSurface& operator=(const GdiBitmapSurface&) = delete;

  bool valid() const { return bitmap_ != nullptr; }
  const std::string& error() const { return error_; }
  HDC dc() const { return dc_; }
  HBITMAP bitmap() const { return bitmap_; }

  int width() const override { return width_; }
  int height() const override { return height_; }
  void Copy(int x, int y, int width, int height, const Surface& source, int source_x,
            int source_y, RasterOp op) override;

 private:
  void Select(HBITMAP bitmap);

  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ original_bitmap_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  std::string error_;
};

// A window's client area as a destination: each copy draws at once through the window's device
// context, whether or not the window system has asked for a repaint.
class GdiWindowSurface final : public Surface {
 public:
  // While a batch lives, every copy goes through the one device context it took: a repaint of
  // the board is some seventy copies, and taking and giving back a context for each costs more
  // than the copies themselves. The window shows each copy as before.
  class Batch {
   public:
    explicit Batch(GdiWindowSurface& surface);
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

   private:
    GdiWindowSurface& surface_;
    bool took_dc_ = false;  // an inner batch leaves the outer one's context alone
  };

  GdiWindowSurface(HWND window, int width, int height) : window_(window), width_(width), height_(height) {}

  int width() const override { return width_; }
  int height() const override { return height_; }
  void Copy(int x, int y, int width, int height, const Surface& source, int source_x,
            int source_y, RasterOp op) override;

 private:
  HWND window_;
  int width_;
  int height_;
  HDC batch_dc_ = nullptr;
};

DWORD RasterOperation(RasterOp op);

}  // namespace verlumo
