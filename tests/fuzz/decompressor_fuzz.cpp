// One LZRW1/KH chunk on its own, with whatever the pieces before it left: a chunk appends at most
// one piece, or nothing when it is refused.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "tests/fuzz/fuzz_support.h"
#include "view/lzrw1kh.h"

using namespace verlumo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> out(size % 7, 0xEE);
  const std::size_t before = out.size();
  const std::string error = DecompressChunk(data, size, out);
  fuzz::Require(std::all_of(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(before),
                            [](std::uint8_t byte) { return byte == 0xEE; }),
                "a chunk leaves what came before it");
  if (!error.empty()) fuzz::Require(out.size() == before, "a refused chunk appends nothing");
  else fuzz::Require(out.size() - before <= kLzrwPieceSize, "a chunk decodes to at most one piece");
  if (size > 0 && data[0] == kLzrwStored && size - 1 <= kLzrwPieceSize) {
    fuzz::Require(error.empty() && std::equal(data + 1, data + size, out.begin() + static_cast<std::ptrdiff_t>(before)),
                  "a stored chunk is its piece unchanged");
  }
  return 0;
}
