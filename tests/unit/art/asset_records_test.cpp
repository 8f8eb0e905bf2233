// Every generated picture and sound survives being packed into an asset record and read back
// the way the game reads it, byte for byte.
#include <gtest/gtest.h>

#include "tests/unit/art/generated_assets.h"
#include "tools/assetpack/asset_record_writer.h"
#include "view/asset_record.h"

namespace art_test {
namespace {

TEST(AssetRecords, EveryGeneratedFileRoundTripsThroughItsRecord) {
  for (const artgen::Asset& asset : GeneratedAssets()) {
    const std::vector<std::uint8_t> record = verlumo::WriteAssetRecord(asset.bytes, 0);
    const verlumo::ParsedAsset parsed = verlumo::ParseAssetRecord(record.data(), record.size());
    ASSERT_EQ(parsed.error, "") << asset.file_name;
    EXPECT_TRUE(parsed.record.data == asset.bytes) << asset.file_name << " changed on the way";
    EXPECT_LT(record.size(), asset.bytes.size() + asset.bytes.size() / 100 + 64) << asset.file_name;
  }
}

}  // namespace
}  // namespace art_test
