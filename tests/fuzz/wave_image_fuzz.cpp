// The sound check: an image it passes has a RIFF size that is the image's, a format chunk and a
// data chunk, and every chunk inside the image, read here independently of the check.
#include <cstdint>
#include <cstring>
#include <vector>

#include "tests/fuzz/fuzz_support.h"
#include "view/wave_image.h"

using namespace verlumo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> image(data, data + size);
  if (!IsPlayableWaveImage(image)) return 0;

  const auto read32 = [&](std::uint64_t at) {
    fuzz::Require(at + 4 <= size, "every size field lies inside the image");
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | data[at + static_cast<std::uint64_t>(i)];
    return value;
  };
  fuzz::Require(size >= 12 && std::memcmp(data, "RIFF", 4) == 0 && std::memcmp(data + 8, "WAVE", 4) == 0,
                "a passed image carries the RIFF and WAVE tags");
  fuzz::Require(std::uint64_t{read32(4)} + 8 == size, "the RIFF size is the image's");
  bool format = false, samples = false;
  for (std::uint64_t at = 12; at < size;) {
    const std::uint64_t chunk_size = read32(at + 4);
    fuzz::Require(at + 8 + chunk_size <= size, "every chunk lies inside the image");
    format = format || (std::memcmp(data + at, "fmt ", 4) == 0 && chunk_size >= 16);
    samples = samples || std::memcmp(data + at, "data", 4) == 0;
    at += 8 + chunk_size + chunk_size % 2;
  }
  fuzz::Require(format && samples, "a passed image has its format and its samples");
  return 0;
}
