// BMP images and the copies drawn from them: a decoded image has a pixel for every place of its
// layout, and copies from it at any place and size stay within both surfaces.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <vector>

#include "tests/fuzz/fuzz_support.h"
#include "view/bmp_image.h"
#include "view/memory_surface.h"

using namespace verlumo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  // The copies' places come first, so that the image's own bytes keep their offsets.
  const int copies = provider.ConsumeIntegralInRange(0, 4);
  struct Place { int x, y, width, height, source_x, source_y; RasterOp op; };
  std::vector<Place> places;
  for (int i = 0; i < copies; ++i) {
    const auto coordinate = [&] { return provider.ConsumeIntegralInRange(-100, 100); };
    places.push_back({coordinate(), coordinate(), coordinate(), coordinate(), coordinate(), coordinate(),
                      static_cast<RasterOp>(provider.ConsumeIntegralInRange(0, 2))});
  }
  const std::vector<std::uint8_t> image = provider.ConsumeRemainingBytes<std::uint8_t>();

  const BmpLayout layout = ParseBmpLayout(image);
  const DecodedBmp decoded = DecodeBmp(image);
  fuzz::Require(layout.error.empty() == decoded.error.empty(), "an image decodes exactly when its layout is sound");
  if (!decoded.error.empty()) return 0;
  fuzz::Require(decoded.width == layout.width && decoded.height == layout.height, "the decoded size is the layout's");
  fuzz::Require(decoded.pixels.size() == std::size_t(decoded.width) * std::size_t(decoded.height),
                "a pixel for every place");
  fuzz::Require(layout.bits_offset + layout.row_stride * std::size_t(layout.height) <= image.size(),
                "every pixel row lies inside the image");
  for (std::uint32_t pixel : decoded.pixels) fuzz::Require(pixel <= 0xFFFFFF, "pixels are 0x00RRGGBB");

  const MemorySurface picture(decoded.width, decoded.height, decoded.pixels);
  MemorySurface target(48, 48, 0x123456);
  for (const Place& place : places) {
    target.Copy(place.x, place.y, place.width, place.height, picture, place.source_x, place.source_y, place.op);
  }
  fuzz::Require(target.copy_count() == copies && target.pixels().size() == 48u * 48u, "copies keep the target whole");
  return 0;
}
