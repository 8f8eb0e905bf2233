// LZRW1/KH, the small LZ77 variant the asset records are compressed with. Each chunk starts with
// a method byte: 0x80 stored (the rest is the piece unchanged), 0x40 compressed (groups of a
// 16-bit control word, high byte first, and up to 16 items: literal, copy or run).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace verlumo {

constexpr std::size_t kLzrwPieceSize = 32781;  // a file image is cut into pieces of this size
constexpr std::uint8_t kLzrwStored = 0x80;
constexpr std::uint8_t kLzrwCompressed = 0x40;

struct Decompressed {
  std::vector<std::uint8_t> bytes;
  std::string error;  // empty on success
};

// Appends one chunk's piece to out. A chunk that is malformed (unknown method, an item cut off,
// a copy reaching before the start of the piece, a piece longer than kLzrwPieceSize) gives an
// error and appends nothing.
std::string DecompressChunk(const std::uint8_t* chunk, std::size_t length,
                            std::vector<std::uint8_t>& out);

}  // namespace verlumo
