// The RIFF WAVE image check.
#include "view/wave_image.h"

#include <cstring>

namespace verlumo {
namespace {

constexpr std::size_t kChunkHeader = 8;     // a four-character tag and a 32-bit size
constexpr std::size_t kWaveHeader = 12;     // "RIFF", size, "WAVE"
constexpr std::uint32_t kPcmFormatSize = 16;

std::uint32_t Read32(const std::uint8_t* at) {
  return at[0] | (at[1] << 8) | (at[2] << 16) | (std::uint32_t{at[3]} << 24);
}

bool HasTag(const std::uint8_t* at, const char* tag) { return std::memcmp(at, tag, 4) == 0; }

}  // namespace

bool IsPlayableWaveImage(const std::vector<std::uint8_t>& image) {
  const std::uint8_t* const bytes = image.data();
  if (image.size() < kWaveHeader || !HasTag(bytes, "RIFF") || !HasTag(bytes + 8, "WAVE")) return false;
  if (std::uint64_t{Read32(bytes + 4)} + kChunkHeader != image.size()) return false;

  bool has_format = false;
  bool has_data = false;
  std::size_t offset = kWaveHeader;
  while (offset < image.size()) {
    if (image.size() - offset < kChunkHeader) return false;
    const std::uint32_t size = Read32(bytes + offset + 4);
    if (size > image.size() - offset - kChunkHeader) return false;
    if (HasTag(bytes + offset, "fmt ")) has_format = size >= kPcmFormatSize;
    if (HasTag(bytes + offset, "data")) has_data = true;
    // Chunks start on even offsets; the pad byte after an odd-sized chunk may end the image.
    offset += kChunkHeader + size + (size % 2);
  }
  return has_format && has_data;
}

}  // namespace verlumo
