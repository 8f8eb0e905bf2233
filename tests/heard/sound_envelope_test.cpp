// The listener's measures: envelopes keep time and loudness, sounds are found where they are,
// Wine's end-of-sound pops are taken out and nothing else is, and envelopes that belong together
// match while others do not.
#include "tests/heard/sound_envelope.h"

#include <gtest/gtest.h>

#include <cmath>

namespace verlumo::heard {
namespace {

Signal Tone(int rate, double seconds, double amplitude, double hertz = 440) {
  Signal signal{rate, {}};
  for (int i = 0; i < static_cast<int>(seconds * rate); ++i) {
    signal.samples.push_back(static_cast<float>(amplitude * std::sin(2 * M_PI * hertz * i / rate)));
  }
  return signal;
}

void Append(Signal& signal, const Signal& more) {
  signal.samples.insert(signal.samples.end(), more.samples.begin(), more.samples.end());
}

TEST(SoundEnvelope, WavesAreReadAsSignalsAndOtherFormatsRefused) {
  art_test::DecodedWav wave;
  wave.format = 1;
  wave.channels = 1;
  wave.samples_per_second = 11025;
  wave.bits_per_sample = 8;
  wave.samples = {128, 0, 255};
  const Signal eight = FromWave(wave);
  EXPECT_EQ(eight.rate, 11025);
  ASSERT_EQ(eight.samples.size(), 3u);
  EXPECT_FLOAT_EQ(eight.samples[0], 0.0f);  // 8-bit silence is 128
  EXPECT_FLOAT_EQ(eight.samples[1], -1.0f);
  EXPECT_NEAR(eight.samples[2], 1.0f, 0.01f);

  // The recorder's raw 16-bit samples; half a sample at the end is dropped.
  const Signal sixteen = FromS16le({0x00, 0x80, 0xff, 0x7f, 0x12}, 22050);
  ASSERT_EQ(sixteen.samples.size(), 2u);
  EXPECT_FLOAT_EQ(sixteen.samples[0], -1.0f);
  EXPECT_NEAR(sixteen.samples[1], 1.0f, 0.001f);

  art_test::DecodedWav stereo = wave;
  stereo.channels = 2;
  EXPECT_THROW(FromWave(stereo), std::runtime_error);
  art_test::DecodedWav twelve_bit = wave;
  twelve_bit.bits_per_sample = 12;
  EXPECT_THROW(FromWave(twelve_bit), std::runtime_error);
  art_test::DecodedWav compressed = wave;
  compressed.format = 2;
  EXPECT_THROW(FromWave(compressed), std::runtime_error);
}

TEST(SoundEnvelope, KeepsTimeAndLoudnessAcrossRatesAndWindowSizes) {
  // 22050 Hz gives windows of 220 and 221 samples; a second must still be 100 windows.
  const Signal tone = Tone(22050, 1.0, 0.5);
  const std::vector<double> envelope = Envelope(tone);
  ASSERT_EQ(envelope.size(), 100u);
  for (double rms : envelope) EXPECT_NEAR(rms, 0.5 / std::sqrt(2.0), 0.01);

  const Signal resampled = Resample(Tone(11025, 1.0, 0.5), 22050);
  EXPECT_EQ(resampled.rate, 22050);
  EXPECT_EQ(resampled.samples.size(), 22050u);
  const std::vector<double> resampled_envelope = Envelope(resampled);
  ASSERT_EQ(resampled_envelope.size(), 100u);
  for (double rms : resampled_envelope) EXPECT_NEAR(rms, 0.5 / std::sqrt(2.0), 0.02);

  EXPECT_TRUE(Envelope(Signal{22050, std::vector<float>(219, 0.5f)}).empty()) << "no whole window";
  EXPECT_TRUE(Resample(Signal{11025, {}}, 22050).samples.empty());
}

TEST(SoundEnvelope, FindsEachSoundAndBridgesOnlyShortDropouts) {
  //                                 0    1    2  3  4  5    6    7  8  9 10   11
  const std::vector<double> envelope{0, 0.3, 0.3, 0, 0, 0, 0.2, 0.2, 0, 0, 0, 0.5};
  const std::vector<Sound> apart = FindSounds(envelope, 0.1, 2);
  ASSERT_EQ(apart.size(), 3u);
  EXPECT_EQ(apart[0].first_window, 1);
  EXPECT_EQ(apart[0].windows, 2);
  EXPECT_EQ(apart[0].milliseconds(), 20);
  EXPECT_EQ(apart[1].first_window, 6);
  EXPECT_EQ(apart[1].windows, 2);
  EXPECT_EQ(apart[2].first_window, 11) << "a sound that runs to the end of the recording";
  EXPECT_EQ(apart[2].end_window(), 12);

  const std::vector<Sound> bridged = FindSounds(envelope, 0.1, 3);
  ASSERT_EQ(bridged.size(), 1u);
  EXPECT_EQ(bridged[0].first_window, 1);
  EXPECT_EQ(bridged[0].windows, 11);

  EXPECT_EQ(FindSounds(envelope, 0.2, 0).size(), 2u) << "the threshold itself is not heard";
  EXPECT_TRUE(FindSounds({}, 0.1, 2).empty());
}

TEST(SoundEnvelope, TakesOutWinesPopsAndLeavesLoudSoundsAndLongerDropsAlone) {
  Signal recording = Tone(22050, 0.05, 0.85);
  const std::size_t pop = recording.samples.size();
  Append(recording, Signal{22050, std::vector<float>(100, -1.0f)});  // 4.5 ms at the bottom
  recording.samples[pop + 50] = -0.9f;                                // a short rise inside it
  const std::size_t after_pop = recording.samples.size();
  Append(recording, Tone(22050, 0.05, 0.85));
  const std::size_t drop = recording.samples.size();
  Append(recording, Signal{22050, std::vector<float>(22050 / 20, -1.0f)});  // 50 ms: no pop
  const Signal before = recording;

  const std::vector<std::size_t> pops = SilenceWinePops(recording);
  ASSERT_EQ(pops.size(), 1u);
  EXPECT_EQ(pops[0], pop);
  for (std::size_t i = pop; i < after_pop; ++i) ASSERT_EQ(recording.samples[i], 0.0f) << i;
  // The tones either side keep all but their millisecond next to the pop.
  const std::size_t ringing = 22050 / 1000;
  for (std::size_t i = 0; i + ringing < pop; ++i) ASSERT_EQ(recording.samples[i], before.samples[i]) << i;
  for (std::size_t i = after_pop + ringing; i < recording.samples.size(); ++i) {
    ASSERT_EQ(recording.samples[i], before.samples[i]) << i;
  }
  EXPECT_EQ(recording.samples[drop], -1.0f);
}

TEST(SoundEnvelope, MatchesAShiftedCopyOfASoundButNotAnotherSound) {
  // A note: a quick attack, then a ring-down; and a swell that grows instead.
  std::vector<double> decay, rise;
  for (int i = 0; i < 30; ++i) {
    decay.push_back(i < 4 ? i / 4.0 : std::exp(-(i - 4) / 6.0));
    rise.push_back(1 - std::exp(-i / 6.0));
  }
  std::vector<double> heard(10, 0.0);
  heard.insert(heard.end(), decay.begin(), decay.end());
  heard.insert(heard.end(), 10, 0.0);

  EXPECT_NEAR(EnvelopeMatch(heard, 10, decay, 0), 1.0, 1e-9);
  EXPECT_NEAR(EnvelopeMatch(heard, 12, decay, 3), 1.0, 1e-9) << "found within the allowed shift";
  EXPECT_LT(EnvelopeMatch(heard, 16, decay, 3), 0.9) << "not found beyond it";
  EXPECT_LT(EnvelopeMatch(heard, 10, rise, 3), 0.1);
  // Heard only in part, cut off early: the rest counts as silence.
  const std::vector<double> cut(heard.begin(), heard.begin() + 14);
  EXPECT_LT(EnvelopeMatch(cut, 10, decay, 0), 0.9);
  EXPECT_EQ(EnvelopeMatch(std::vector<double>(40, 0.0), 10, decay, 3), 0.0) << "silence matches nothing";
}

}  // namespace
}  // namespace verlumo::heard
