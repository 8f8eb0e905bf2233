// RIFF WAVE encoding: "RIFF" size "WAVE", a 16-byte "fmt " chunk (PCM) and the "data" chunk.
#include "tools/artgen/wav_writer.h"

namespace artgen {

Bytes EncodeWav8Mono(const Bytes& samples, int samples_per_second) {
  const auto data_size = static_cast<std::uint32_t>(samples.size());
  const std::uint32_t pad = data_size % 2;
  Bytes out;
  PutTag(out, "RIFF");
  Put32(out, 4 + (8 + 16) + (8 + data_size + pad));
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, 1);  // mono
  Put32(out, static_cast<std::uint32_t>(samples_per_second));
  Put32(out, static_cast<std::uint32_t>(samples_per_second));  // bytes per second
  Put16(out, 1);                                               // block alignment
  Put16(out, 8);                                               // bits per sample
  PutTag(out, "data");
  Put32(out, data_size);
  PutRange(out, samples);
  if (pad != 0) out.push_back(128);
  return out;
}

}  // namespace artgen
