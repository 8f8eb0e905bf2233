// Envelopes and sound stretches of mono signals.
#include "tests/heard/sound_envelope.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace verlumo::heard {

Signal FromWave(const art_test::DecodedWav& wave) {
  if (wave.format != 1 || wave.channels != 1 || wave.samples_per_second <= 0) {
    throw std::runtime_error("not a mono PCM wave");
  }
  Signal signal{wave.samples_per_second, {}};
  if (wave.bits_per_sample == 8) {
    for (std::uint8_t sample : wave.samples) signal.samples.push_back((sample - 128) / 128.0f);
  } else if (wave.bits_per_sample == 16) {
    for (std::size_t at = 0; at + 1 < wave.samples.size(); at += 2) {
      const auto sample = static_cast<std::int16_t>(wave.samples[at] | wave.samples[at + 1] << 8);
      signal.samples.push_back(sample / 32768.0f);
    }
  } else {
    throw std::runtime_error("unexpected sample size " + std::to_string(wave.bits_per_sample));
  }
  return signal;
}

Signal FromS16le(const std::vector<std::uint8_t>& bytes, int rate) {
  art_test::DecodedWav wave;
  wave.format = 1;
  wave.channels = 1;
  wave.samples_per_second = rate;
  wave.bits_per_sample = 16;
  wave.samples = bytes;
  return FromWave(wave);
}

Signal Resample(const Signal& signal, int rate) {
  Signal resampled{rate, {}};
  if (signal.samples.empty()) return resampled;
  const std::size_t count = signal.samples.size() * static_cast<std::size_t>(rate) / signal.rate;
  const double step = static_cast<double>(signal.rate) / rate;
  for (std::size_t i = 0; i < count; ++i) {
    const double at = i * step;
    const std::size_t before = static_cast<std::size_t>(at);
    const std::size_t after = std::min(before + 1, signal.samples.size() - 1);
    const double part = at - before;
    resampled.samples.push_back(static_cast<float>(signal.samples[before] * (1 - part) + signal.samples[after] * part));
  }
  return resampled;
}

std::vector<std::size_t> SilenceWinePops(Signal& recording) {
  constexpr float kPinned = -0.97f;  // the shipped sounds peak at 85 % of full scale
  const std::size_t longest = static_cast<std::size_t>(recording.rate) * 30 / 1000;
  const std::size_t ringing = static_cast<std::size_t>(recording.rate) / 1000;
  std::vector<float>& samples = recording.samples;
  std::vector<std::size_t> pops;
  for (std::size_t at = 0; at < samples.size(); ++at) {
    if (samples[at] > kPinned) continue;
    // A pop may leave the bottom for a sample or two; it goes on while it comes back soon.
    std::size_t end = at + 1;
    for (std::size_t next = end; next < samples.size() && next <= end + ringing; ++next) {
      if (samples[next] <= kPinned) end = next + 1;
    }
    if (end - at <= longest) {
      pops.push_back(at);
      const std::size_t first = at > ringing ? at - ringing : 0;
      const std::size_t last = std::min(end + ringing, samples.size());
      std::fill(samples.begin() + static_cast<long>(first), samples.begin() + static_cast<long>(last), 0.0f);
    }
    at = end;
  }
  return pops;
}

std::vector<double> Envelope(const Signal& signal) {
  // Window edges are rounded from exact times, so 10 ms at 22050 Hz alternate 220 and 221
  // samples and a long envelope does not drift against the clock.
  std::vector<double> envelope;
  const auto edge = [&](std::size_t window) {
    return window * static_cast<std::size_t>(signal.rate) / kWindowsPerSecond;
  };
  for (std::size_t window = 0; edge(window + 1) <= signal.samples.size(); ++window) {
    double sum = 0;
    for (std::size_t i = edge(window); i < edge(window + 1); ++i) sum += signal.samples[i] * signal.samples[i];
    envelope.push_back(std::sqrt(sum / static_cast<double>(edge(window + 1) - edge(window))));
  }
  return envelope;
}

std::vector<Sound> FindSounds(const std::vector<double>& envelope, double threshold, int longest_gap) {
  std::vector<Sound> sounds;
  for (int window = 0; window < static_cast<int>(envelope.size()); ++window) {
    if (envelope[window] <= threshold) continue;
    if (!sounds.empty() && window - sounds.back().end_window() <= longest_gap) {
      sounds.back().windows = window + 1 - sounds.back().first_window;
    } else {
      sounds.push_back({window, 1});
    }
  }
  return sounds;
}

namespace {

double Correlation(const std::vector<double>& heard, int at, const std::vector<double>& reference) {
  const double n = static_cast<double>(reference.size());
  double sum_h = 0, sum_r = 0, sum_hh = 0, sum_rr = 0, sum_hr = 0;
  for (std::size_t i = 0; i < reference.size(); ++i) {
    const long index = at + static_cast<long>(i);
    const double h = index >= 0 && index < static_cast<long>(heard.size()) ? heard[index] : 0.0;
    const double r = reference[i];
    sum_h += h;
    sum_r += r;
    sum_hh += h * h;
    sum_rr += r * r;
    sum_hr += h * r;
  }
  const double spread = (n * sum_hh - sum_h * sum_h) * (n * sum_rr - sum_r * sum_r);
  return spread > 0 ? (n * sum_hr - sum_h * sum_r) / std::sqrt(spread) : 0.0;
}

}  // namespace

double EnvelopeMatch(const std::vector<double>& heard, int at, const std::vector<double>& reference,
                     int max_shift) {
  double best = 0;
  for (int shift = -max_shift; shift <= max_shift; ++shift) best = std::max(best, Correlation(heard, at + shift, reference));
  return best;
}

}  // namespace verlumo::heard
