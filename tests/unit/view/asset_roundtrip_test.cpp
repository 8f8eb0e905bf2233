// The packer's records read back to the very bytes that went in.
#include <gtest/gtest.h>

#include <random>

#include "tools/assetpack/asset_record_writer.h"
#include "tools/assetpack/lzrw1kh_compress.h"
#include "view/asset_record.h"
#include "view/lzrw1kh.h"

namespace verlumo {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes RoundTrip(const Bytes& image) {
  const Bytes record = WriteAssetRecord(image, 7);
  const ParsedAsset parsed = ParseAssetRecord(record.data(), record.size());
  EXPECT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.record.flags, 0x0D);
  EXPECT_EQ(parsed.record.identifier, 7);
  return parsed.record.data;
}

// Something like a picture: long runs, repeated rows and some noise.
Bytes PictureLike(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  Bytes image(size);
  for (std::size_t i = 0; i < size; ++i) {
    const std::size_t row = i / 300;
    image[i] = (row % 5 == 0) ? 0x20 : static_cast<std::uint8_t>((i % 300) / 7 + (random() % 3));
  }
  return image;
}

TEST(AssetRoundTrip, ImagesOfEverySizeAroundThePieceLengthComeBackUnchanged) {
  for (std::size_t size : {0u, 1u, 2u, 3u, 17u, 32780u, 32781u, 32782u, 65562u, 100000u}) {
    const Bytes image = PictureLike(size, static_cast<unsigned>(size));
    EXPECT_EQ(RoundTrip(image), image) << size << " bytes";
  }
}

TEST(AssetRoundTrip, NoiseIsStoredAndRunsAreCompressedWithinTheirLimits) {
  std::mt19937 random(1);
  Bytes noise(5000);
  for (auto& byte : noise) byte = static_cast<std::uint8_t>(random());
  const Bytes stored = CompressChunk(noise);
  EXPECT_EQ(stored[0], kLzrwStored);
  EXPECT_EQ(RoundTrip(noise), noise);

  const Bytes flat(32781, 0xAB);
  const Bytes compressed = CompressChunk(flat);
  EXPECT_EQ(compressed[0], kLzrwCompressed);
  EXPECT_LT(compressed.size(), 100u);
  Bytes out;
  ASSERT_EQ(DecompressChunk(compressed.data(), compressed.size(), out), "");
  EXPECT_EQ(out, flat);
}

}  // namespace
}  // namespace verlumo
