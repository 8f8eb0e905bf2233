// GDI surfaces: DIB sections made from BMP file images, and copies with BitBlt.
#include "view/win32/gdi_surface.h"

#include <cstring>

#include "view/bmp_image.h"

namespace verlumo {

DWORD RasterOperation(RasterOp op) {
  switch (op) {
    case RasterOp::kAnd: return SRCAND;
    case RasterOp::kPaint: return SRCPAINT;
    case RasterOp::kCopy: break;
  }
  return SRCCOPY;
}

GdiBitmapSurface::GdiBitmapSurface(int width, int height, Format format) : width_(width), height_(height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = format == Format::kWindow ? 32 : 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr) {
    error_ = "cannot create a bitmap of " + std::to_string(width) + " x " + std::to_string(height);
    return;
  }
  Select(bitmap);
}

GdiBitmapSurface::GdiBitmapSurface(const std::vector<std::uint8_t>& image, Format format) {
  const BmpLayout layout = ParseBmpLayout(image);
  if (!layout.error.empty()) {
    error_ = layout.error;
    return;
  }
  const bool widen = format == Format::kWindow && layout.bits_per_pixel == 24;
  // The file's own header and palette describe the DIB section (copied out, so that they are
  // aligned); the pixel rows are copied in, in the same order.
  std::vector<DWORD> info((layout.info_size + sizeof(DWORD) - 1) / sizeof(DWORD));
  std::memcpy(info.data(), image.data() + layout.info_offset, layout.info_size);
  auto* header = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
  if (widen) {
    header->biBitCount = 32;
    header->biSizeImage = 0;
  }
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(info.data()),
                                    DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr || bits == nullptr) {
    if (bitmap != nullptr) DeleteObject(bitmap);
    error_ = "cannot create a bitmap for the image";
    return;
  }
  const std::uint8_t* rows = image.data() + layout.bits_offset;
  if (widen) {
    // Blue, green, red, then the unused fourth byte, which stays 0.
    auto* out = static_cast<std::uint8_t*>(bits);
    for (int row = 0; row < layout.height; ++row) {
      const std::uint8_t* in = rows + layout.row_stride * static_cast<std::size_t>(row);
      for (int x = 0; x < layout.width; ++x, in += 3, out += 4) std::memcpy(out, in, 3);
    }
  } else {
    std::memcpy(bits, rows, layout.row_stride * layout.height);
  }
  width_ = layout.width;
  height_ = layout.height;
  Select(bitmap);
}

void GdiBitmapSurface::Select(HBITMAP bitmap) {
  dc_ = CreateCompatibleDC(nullptr);
  if (dc_ == nullptr) {
    DeleteObject(bitmap);
    error_ = "cannot create a memory device context";
    return;
  }
  bitmap_ = bitmap;
  original_bitmap_ = SelectObject(dc_, bitmap_);
}

GdiBitmapSurface::~GdiBitmapSurface() {
  if (dc_ != nullptr) {
    SelectObject(dc_, original_bitmap_);
    DeleteDC(dc_);
  }
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
}

void GdiBitmapSurface::Copy(int x, int y, int width, int height, const Surface& source,
                            int source_x, int source_y, RasterOp op) {
  BitBlt(dc_, x, y, width, height, static_cast<const GdiBitmapSurface&>(source).dc(), source_x,
         source_y, RasterOperation(op));
}

GdiWindowSurface::Batch::Batch(GdiWindowSurface& surface) : surface_(surface) {
  if (surface_.batch_dc_ != nullptr) return;
  // Without a context the copies fall back to taking their own.
  surface_.batch_dc_ = GetDC(surface_.window_);
  took_dc_ = surface_.batch_dc_ != nullptr;
}

GdiWindowSurface::Batch::~Batch() {
  if (!took_dc_) return;
  ReleaseDC(surface_.window_, surface_.batch_dc_);
  surface_.batch_dc_ = nullptr;
}

void GdiWindowSurface::Copy(int x, int y, int width, int height, const Surface& source,
                            int source_x, int source_y, RasterOp op) {
  HDC dc = batch_dc_ != nullptr ? batch_dc_ : GetDC(window_);
  if (dc == nullptr) return;  // a failed copy leaves the window as it was until the next repaint
  BitBlt(dc, x, y, width, height, static_cast<const GdiBitmapSurface&>(source).dc(), source_x,
         source_y, RasterOperation(op));
  if (dc != batch_dc_) ReleaseDC(window_, dc);
}

}  // namespace verlumo
