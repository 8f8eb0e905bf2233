// The one drawing operation the game needs: copy a rectangle from a source surface onto a
// destination surface with SRCCOPY, SRCAND or SRCPAINT. The GDI surfaces draw the game; the
// memory surfaces draw the same pictures into plain pixel buffers for tests and tools.
#pragma once

namespace verlumo {

enum class RasterOp {
  kCopy,   // SRCCOPY: the source replaces the destination
  kAnd,    // SRCAND: destination AND source
  kPaint,  // SRCPAINT: destination OR source
};

class Surface {
 public:
  virtual ~Surface() = default;

  virtual int width() const = 0;
  virtual int height() const = 0;

  // Copies the width x height rectangle at (source_x, source_y) of source to (x, y) here,
  // clipped to both surfaces. Source and destination belong to the same family (GDI with GDI,
  // memory with memory).
  virtual void Copy(int x, int y, int width, int height, const Surface& source, int source_x,
                    int source_y, RasterOp op) = 0;
};

}  // namespace verlumo
