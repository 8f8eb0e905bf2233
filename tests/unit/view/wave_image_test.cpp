// The check every sound passes before the system's player may read it.
#include "view/wave_image.h"

#include <gtest/gtest.h>

#include <string>

namespace verlumo {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}
void PutChunk(Bytes& out, const std::string& tag, std::uint32_t size, std::size_t stored) {
  out.insert(out.end(), tag.begin(), tag.end());
  Put32(out, size);
  out.insert(out.end(), stored, 0x80);
}
// "RIFF" with its size, "WAVE", then the chunks.
Bytes Wave(const Bytes& chunks) {
  Bytes out{'R', 'I', 'F', 'F'};
  Put32(out, static_cast<std::uint32_t>(4 + chunks.size()));
  out.insert(out.end(), {'W', 'A', 'V', 'E'});
  out.insert(out.end(), chunks.begin(), chunks.end());
  return out;
}
Bytes FormatAndData(std::uint32_t data_size) {
  Bytes chunks;
  PutChunk(chunks, "fmt ", 16, 16);
  PutChunk(chunks, "data", data_size, data_size + data_size % 2);
  return chunks;
}

TEST(WaveImage, AWellFormedImageWithOddDataAndAnExtraChunkIsPlayable) {
  // No sound at all, and sizes that need every byte of the size fields, up to 16 MiB of sound.
  for (std::uint32_t data_size : {0u, 100u, 0x10203u, 0x1000001u}) {
    EXPECT_TRUE(IsPlayableWaveImage(Wave(FormatAndData(data_size)))) << data_size;
  }
  Bytes chunks = FormatAndData(7);  // padded to 8
  PutChunk(chunks, "LIST", 4, 4);
  EXPECT_TRUE(IsPlayableWaveImage(Wave(chunks)));
}

TEST(WaveImage, ImagesWhoseTagsOrSizesLieAreRefused) {
  EXPECT_FALSE(IsPlayableWaveImage({}));
  EXPECT_FALSE(IsPlayableWaveImage({'R', 'I', 'F', 'F'}));

  Bytes wrong_tag = Wave(FormatAndData(10));
  wrong_tag[8] = 'X';
  EXPECT_FALSE(IsPlayableWaveImage(wrong_tag)) << "not WAVE";

  Bytes riff_too_big = Wave(FormatAndData(10));
  riff_too_big[4] += 2;
  EXPECT_FALSE(IsPlayableWaveImage(riff_too_big));
  Bytes cut_short = Wave(FormatAndData(10));
  cut_short.resize(cut_short.size() - 2);
  EXPECT_FALSE(IsPlayableWaveImage(cut_short)) << "the RIFF size no longer matches";

  // The data chunk claims more than the image holds, the RIFF size agreeing with the image.
  Bytes chunks;
  PutChunk(chunks, "fmt ", 16, 16);
  PutChunk(chunks, "data", 0xFFFFFFF0u, 10);
  EXPECT_FALSE(IsPlayableWaveImage(Wave(chunks)));

  Bytes no_data;
  PutChunk(no_data, "fmt ", 16, 16);
  EXPECT_FALSE(IsPlayableWaveImage(Wave(no_data)));
  Bytes short_format;
  PutChunk(short_format, "fmt ", 8, 8);
  PutChunk(short_format, "data", 4, 4);
  EXPECT_FALSE(IsPlayableWaveImage(Wave(short_format)));
  Bytes torn_header = FormatAndData(4);
  torn_header.insert(torn_header.end(), {'L', 'I', 'S'});
  EXPECT_FALSE(IsPlayableWaveImage(Wave(torn_header))) << "a chunk header cut off";
}

}  // namespace
}  // namespace verlumo
