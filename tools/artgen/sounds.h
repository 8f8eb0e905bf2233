// The game's two sounds, synthesised: a cheerful tune when a level is solved and a soft tick
// for every swap. Both are unsigned 8-bit mono PCM, 128 being silence.
#pragma once

#include "tools/artgen/byte_writer.h"

namespace artgen {

inline constexpr int kSolvedRate = 22050;
inline constexpr int kSolvedSamples = 77992;
inline constexpr int kClickRate = 11025;
inline constexpr int kClickSamples = 661;

Bytes SolvedTune();
Bytes ClickSound();

}  // namespace artgen
