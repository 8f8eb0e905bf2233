// Asset records: how the bitmap list and the sound list are stored. A record is a flags byte,
// an optional description and identifier, and the file image (a BMP or RIFF WAVE file), stored
// plainly or as LZRW1/KH chunks. All integers are little-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace verlumo {

namespace asset_flags {
constexpr std::uint8_t kCompressed = 0x01;
constexpr std::uint8_t kDescription = 0x02;
constexpr std::uint8_t kIdentifier = 0x04;
constexpr std::uint8_t kData = 0x08;
}  // namespace asset_flags

struct AssetRecord {
  std::uint8_t flags = 0;
  int pixel_format = 0;  // bitmap records: 0 to 4, from the flags' upper four bits
  std::string description;
  std::int32_t identifier = 0;
  std::vector<std::uint8_t> data;  // the whole file image; empty when the record has none
};

struct ParsedAsset {
  AssetRecord record;
  std::string error;  // empty on success; says what is wrong with a truncated or corrupt record
};

ParsedAsset ParseAssetRecord(const std::uint8_t* bytes, std::size_t length);

}  // namespace verlumo
