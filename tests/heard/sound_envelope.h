// What a listener can compare between a recording and the sound it should contain: the loudness
// envelope (RMS per 10 ms window), the stretches of it that are sounds rather than silence, and
// how well one envelope follows another. Raw samples are never compared, because the sound
// system resamples and mixes what the game hands it.
#pragma once

#include <cstdint>
#include <vector>

#include "tests/unit/art/bmp_reader.h"

namespace verlumo::heard {

// A mono signal with samples scaled to -1 .. 1.
struct Signal {
  int rate = 0;
  std::vector<float> samples;
};

// An unsigned 8-bit or signed 16-bit mono PCM wave; throws std::runtime_error for anything else.
Signal FromWave(const art_test::DecodedWav& wave);
// Raw signed 16-bit little-endian mono samples, as the recorder writes them; an odd last byte
// (a sample cut in half when recording stopped) is dropped.
Signal FromS16le(const std::vector<std::uint8_t>& bytes, int rate);
// Linear interpolation to another rate; the length in seconds stays the same.
Signal Resample(const Signal& signal, int rate);

// Wine hands the sound server zero bytes after the end of an unsigned 8-bit sound, which such a
// stream means as full negative: a pop of a few milliseconds pinned at the bottom of the scale,
// right where the sound's data ends (16-bit sounds end clean; Windows plays silence there).
// Silences every such pop, with a millisecond of the resampler's ringing either side, and
// returns where each began, in samples. A longer stretch at the bottom of the scale is left as
// it is: that would be a fault to hear, not this one.
std::vector<std::size_t> SilenceWinePops(Signal& recording);

inline constexpr int kWindowsPerSecond = 100;  // 10 ms windows
// RMS of every whole 10 ms window, in order.
std::vector<double> Envelope(const Signal& signal);

// A run of windows louder than the threshold, gaps of at most the allowed length bridged.
struct Sound {
  int first_window = 0;
  int windows = 0;
  int end_window() const { return first_window + windows; }
  int milliseconds() const { return windows * 1000 / kWindowsPerSecond; }
};
std::vector<Sound> FindSounds(const std::vector<double>& envelope, double threshold, int longest_gap);

// The best Pearson correlation of the whole reference envelope against the heard envelope,
// placed at `at` give or take max_shift windows. Windows beyond the end of the heard envelope
// count as silence. 0 when either part is flat.
double EnvelopeMatch(const std::vector<double>& heard, int at, const std::vector<double>& reference,
                     int max_shift);

}  // namespace verlumo::heard
