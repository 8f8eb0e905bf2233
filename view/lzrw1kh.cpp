// Decompressing one LZRW1/KH chunk, with every read and write checked against its buffer.
#include "view/lzrw1kh.h"

#include <algorithm>

namespace verlumo {

std::string DecompressChunk(const std::uint8_t* chunk, std::size_t length,
                            std::vector<std::uint8_t>& out) {
  if (length == 0) return "empty chunk";
  const std::uint8_t method = chunk[0];
  if (method == kLzrwStored) {
    if (length - 1 > kLzrwPieceSize) return "stored chunk longer than a piece";
    out.insert(out.end(), chunk + 1, chunk + length);
    return {};
  }
  if (method != kLzrwCompressed) return "unknown chunk method";

  // The piece is written straight behind what out holds, in room for the longest piece; on an
  // error out is cut back to what it held before.
  const std::size_t start = out.size();
  out.resize(start + kLzrwPieceSize);
  std::uint8_t* const piece = out.data() + start;
  std::size_t size = 0;
  const auto fail = [&out, start](const char* reason) {
    out.resize(start);
    return std::string(reason);
  };
  std::size_t in = 1;
  unsigned control = 0;
  int items_left = 0;
  while (in < length) {
    if (items_left == 0) {
      if (length - in < 2) return fail("control word cut off");
      control = (static_cast<unsigned>(chunk[in]) << 8) | chunk[in + 1];
      in += 2;
      items_left = 16;
      continue;  // the chunk may end right after a control word
    }
    const bool literal = (control & 0x8000) == 0;
    control = (control << 1) & 0xFFFF;
    --items_left;

    if (literal) {
      if (size >= kLzrwPieceSize) return fail("piece longer than 32781 bytes");
      piece[size++] = chunk[in++];
      continue;
    }
    if (length - in < 2) return fail("copy item cut off");
    const unsigned b0 = chunk[in];
    const unsigned b1 = chunk[in + 1];
    const std::size_t offset = b0 * 16 + b1 / 16;
    if (offset != 0) {
      const std::size_t count = b1 % 16 + 3;
      in += 2;
      if (offset > size) return fail("copy reaches before the start of the piece");
      if (size + count > kLzrwPieceSize) return fail("piece longer than 32781 bytes");
      // Byte by byte: a copy may overlap the bytes it produces.
      for (std::size_t i = 0; i < count; ++i, ++size) piece[size] = piece[size - offset];
    } else {
      if (length - in < 4) return fail("run item cut off");
      const std::size_t count = (b1 * 256 + chunk[in + 2]) + 16;
      const std::uint8_t value = chunk[in + 3];
      in += 4;
      if (size + count > kLzrwPieceSize) return fail("piece longer than 32781 bytes");
      std::fill_n(piece + size, count, value);
      size += count;
    }
  }
  out.resize(start + size);
  return {};
}

}  // namespace verlumo
