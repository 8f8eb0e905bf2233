// Decompressing one LZRW1/KH chunk, with every read and write checked against its buffer.
#include "view/lzrw1kh.h"

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

  std::vector<std::uint8_t> piece;
  piece.reserve(kLzrwPieceSize);
  std::size_t in = 1;
  unsigned control = 0;
  int items_left = 0;
  while (in < length) {
    if (items_left == 0) {
      if (length - in < 2) return "control word cut off";
      control = (static_cast<unsigned>(chunk[in]) << 8) | chunk[in + 1];
      in += 2;
      items_left = 16;
      continue;  // the chunk may end right after a control word
    }
    const bool literal = (control & 0x8000) == 0;
    control = (control << 1) & 0xFFFF;
    --items_left;

    if (literal) {
      if (piece.size() >= kLzrwPieceSize) return "piece longer than 32781 bytes";
      piece.push_back(chunk[in++]);
      continue;
    }
    if (length - in < 2) return "copy item cut off";
    const unsigned b0 = chunk[in];
    const unsigned b1 = chunk[in + 1];
    const std::size_t offset = b0 * 16 + b1 / 16;
    if (offset != 0) {
      const std::size_t count = b1 % 16 + 3;
      in += 2;
      if (offset > piece.size()) return "copy reaches before the start of the piece";
      if (piece.size() + count > kLzrwPieceSize) return "piece longer than 32781 bytes";
      // Byte by byte: a copy may overlap the bytes it produces.
      for (std::size_t i = 0; i < count; ++i) piece.push_back(piece[piece.size() - offset]);
    } else {
      if (length - in < 4) return "run item cut off";
      const std::size_t count = (b1 * 256 + chunk[in + 2]) + 16;
      const std::uint8_t value = chunk[in + 3];
      in += 4;
      if (piece.size() + count > kLzrwPieceSize) return "piece longer than 32781 bytes";
      piece.insert(piece.end(), count, value);
    }
  }
  out.insert(out.end(), piece.begin(), piece.end());
  return {};
}

}  // namespace verlumo
