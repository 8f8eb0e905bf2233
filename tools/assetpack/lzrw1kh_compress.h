// The LZRW1/KH compressor for asset records: literals, copies of 3 to 18 bytes from at most 4095
// bytes back, and runs of 16 to 4095 equal bytes.
#pragma once

#include <cstdint>
#include <vector>

namespace verlumo {

// One chunk for a piece of at most 32781 bytes: method 0x40 and the compressed groups, or method
// 0x80 and the piece itself where compressing would make it longer.
std::vector<std::uint8_t> CompressChunk(const std::vector<std::uint8_t>& piece);

}  // namespace verlumo
