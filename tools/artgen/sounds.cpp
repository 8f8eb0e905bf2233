// The tune is a rising arpeggio that lands on a ringing C major chord with a few sparkling high
// notes, played on a soft mallet voice (a few partials, the upper ones dying first). The tick
// is two short damped tones, like a wooden piece set down. Every note starts from silence and
// dies away to silence, so there are no clicks; both sounds begin and end at exactly 128.
#include "tools/artgen/sounds.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/artgen/noise.h"

namespace artgen {

namespace {

struct Note {
  double start;     // seconds
  double length;    // seconds until the note is damped
  int midi;         // 60 is middle C
  double loudness;  // 0 to 1
};

double Frequency(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// One mallet note at time t since its start: quick attack, ring-down, and a short damping
// after its length so that it never stops abruptly.
double Mallet(double t, const Note& note) {
  constexpr double kAttack = 0.006, kDamping = 0.08;
  if (t < 0 || t > note.length + kDamping) return 0.0;
  const double f = Frequency(note.midi);
  const double attack = std::min(1.0, t / kAttack);
  const double damping =
      t > note.length ? 0.5 + 0.5 * std::cos(M_PI * (t - note.length) / kDamping) : 1.0;
  // Held notes ring out longer than the quick notes of the run.
  const double ring = note.length > 1.0 ? 1.25 : 2.4;
  const double w = 2 * M_PI * f * t;
  const double body =
      std::sin(w) * std::exp(-t * ring) + 0.30 * std::sin(2 * w) * std::exp(-t * 5.0) +
      0.10 * std::sin(3 * w) * std::exp(-t * 9.0) + 0.06 * std::sin(4.16 * w) * std::exp(-t * 22.0);
  return note.loudness * attack * damping * body;
}

Bytes ToPcm8(const std::vector<double>& signal, double peak) {
  double largest = 1e-9;
  for (double v : signal) largest = std::max(largest, std::fabs(v));
  Bytes out;
  out.reserve(signal.size());
  for (double v : signal) {
    const long level = std::lround(128.0 + v / largest * peak * 127.0);
    out.push_back(static_cast<std::uint8_t>(std::clamp(level, 0L, 255L)));
  }
  return out;
}

}  // namespace

Bytes SolvedTune() {
  // clang-format off
  const std::vector<Note> notes{
      // The run up: G C E G, a little turn, then the top C.
      {0.00, 0.14, 67, 0.75}, {0.12, 0.14, 72, 0.75}, {0.24, 0.14, 76, 0.80},
      {0.36, 0.26, 79, 0.85}, {0.60, 0.14, 76, 0.70}, {0.72, 0.14, 79, 0.80},
      {0.84, 2.30, 84, 0.95},
      // The chord it lands on, and a bass below the run.
      {0.84, 2.30, 72, 0.45}, {0.84, 2.30, 76, 0.40}, {0.84, 2.30, 79, 0.40},
      {0.00, 0.34, 48, 0.55}, {0.36, 0.44, 55, 0.50}, {0.84, 2.30, 48, 0.60},
      // Sparkles on top while the chord rings.
      {1.20, 0.50, 88, 0.30}, {1.32, 0.50, 91, 0.28}, {1.44, 0.90, 96, 0.26},
  };
  // clang-format on
  std::vector<double> signal(kSolvedSamples, 0.0);
  for (int i = 0; i < kSolvedSamples; ++i) {
    const double t = static_cast<double>(i) / kSolvedRate;
    for (const Note& note : notes) signal[i] += Mallet(t - note.start, note);
  }
  return ToPcm8(signal, 0.85);
}

Bytes ClickSound() {
  std::vector<double> signal(kClickSamples, 0.0);
  for (int i = 0; i < kClickSamples; ++i) {
    const double t = static_cast<double>(i) / kClickRate;
    const double attack = std::min(1.0, t / 0.0006);
    const double knock = std::sin(2 * M_PI * 1250 * t) * std::exp(-t / 0.006) +
                         0.5 * std::sin(2 * M_PI * 2900 * t) * std::exp(-t / 0.0025);
    const double rustle = (Random01(i, 0, 91) - 0.5) * std::exp(-t / 0.0012);
    // The last few milliseconds are held at silence so the sample ends clean.
    const double tail = std::clamp((0.052 - t) / 0.01, 0.0, 1.0);
    signal[i] = attack * tail * (knock + 0.35 * rustle);
  }
  return ToPcm8(signal, 0.45);
}

}  // namespace artgen
