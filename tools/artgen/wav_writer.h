// Encodes 8-bit mono PCM sounds as RIFF WAVE files, the form the game plays from memory.
#pragma once

#include "tools/artgen/byte_writer.h"

namespace artgen {

// samples are unsigned 8-bit PCM (128 is silence). An odd number of samples is followed by the
// pad byte RIFF requires; the data chunk's size still counts the samples only.
Bytes EncodeWav8Mono(const Bytes& samples, int samples_per_second);

}  // namespace artgen
