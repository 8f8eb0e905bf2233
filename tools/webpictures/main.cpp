// verlumo_webpictures: turns one of the game's bitmap records into a lossless WebP picture for
// the web page, with the same pixels the game draws from the record.
//   verlumo_webpictures RECORD OUTPUT.webp
#include <webp/encode.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "view/asset_record.h"
#include "view/bmp_image.h"

namespace {

int Fail(const std::string& message) {
  std::fprintf(stderr, "verlumo_webpictures: %s\n", message.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: verlumo_webpictures RECORD OUTPUT.webp\n");
    return 2;
  }
  std::ifstream input(argv[1], std::ios::binary);
  if (!input) return Fail(std::string("cannot read ") + argv[1]);
  const std::vector<std::uint8_t> record{std::istreambuf_iterator<char>(input), {}};
  const verlumo::ParsedAsset parsed = verlumo::ParseAssetRecord(record.data(), record.size());
  if (!parsed.error.empty()) return Fail(std::string(argv[1]) + ": " + parsed.error);
  const verlumo::DecodedBmp bmp = verlumo::DecodeBmp(parsed.record.data);
  if (!bmp.error.empty()) return Fail(std::string(argv[1]) + ": " + bmp.error);

  const std::vector<std::uint8_t> rgba = verlumo::OpaqueRgbaBytes(bmp.pixels);
  // The strongest lossless effort: these are made once per build, and every byte saved is one
  // less for every first visit. Exact keeps every pixel as it is.
  WebPConfig config;
  WebPPicture picture;
  if (!WebPConfigInit(&config) || !WebPConfigLosslessPreset(&config, 9) || !WebPPictureInit(&picture)) {
    return Fail("this libwebp cannot be set up");
  }
  config.exact = 1;
  picture.use_argb = 1;
  picture.width = bmp.width;
  picture.height = bmp.height;
  WebPMemoryWriter writer;
  WebPMemoryWriterInit(&writer);
  picture.writer = WebPMemoryWrite;
  picture.custom_ptr = &writer;
  const bool encoded = WebPPictureImportRGBA(&picture, rgba.data(), bmp.width * 4) && WebPEncode(&config, &picture);
  WebPPictureFree(&picture);
  if (!encoded) {
    WebPMemoryWriterClear(&writer);
    return Fail(std::string("cannot encode ") + argv[1]);
  }
  std::ofstream output(argv[2], std::ios::binary);
  output.write(reinterpret_cast<const char*>(writer.mem), static_cast<std::streamsize>(writer.size));
  WebPMemoryWriterClear(&writer);
  if (!output.flush()) return Fail(std::string("cannot write ") + argv[2]);
  return 0;
}
