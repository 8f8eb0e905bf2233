// Asset records: a record decodes to exactly its declared size or is refused.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "tests/fuzz/fuzz_support.h"
#include "view/asset_record.h"

using namespace verlumo;

namespace {

std::uint32_t Read32(const std::uint8_t* at) {
  return at[0] | (at[1] << 8) | (at[2] << 16) | (std::uint32_t{at[3]} << 24);
}

// Where a plain record's data length stands, or 0 when it has none: after the flags, the
// description and the identifier.
std::size_t DataLengthOffset(const std::uint8_t* data, std::size_t size) {
  std::size_t offset = 1;
  if (data[0] & asset_flags::kDescription) offset += 1 + data[1];
  if (data[0] & asset_flags::kIdentifier) offset += 4;
  return offset + 4 <= size ? offset : 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ParsedAsset parsed = ParseAssetRecord(data, size);
  if (!parsed.error.empty()) {
    fuzz::Require(parsed.record.data.empty(), "a refused record gives no data");
    return 0;
  }
  const AssetRecord& record = parsed.record;
  fuzz::Require(size > 0 && record.flags == data[0], "a record starts with its flags");
  if (!(record.flags & asset_flags::kData)) {
    fuzz::Require(record.data.empty(), "a record without data gives none");
  } else if (!(record.flags & asset_flags::kCompressed)) {
    const std::size_t at = DataLengthOffset(data, size);
    fuzz::Require(at != 0, "an accepted plain record holds its data length");
    fuzz::Require(record.data.size() == Read32(data + at), "a plain record decodes to its declared size");
    fuzz::Require(std::equal(record.data.begin(), record.data.end(), data + at + 4), "plain data is the record's bytes");
  }
  fuzz::Require(record.pixel_format >= 0 && record.pixel_format <= 4, "pixel formats run from 0 to 4");
  return 0;
}
