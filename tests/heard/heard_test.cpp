// The game's sounds as a player hears them: the real game plays under Wine into a private
// PulseAudio sink (the test command starts the daemon), and what reaches the sink is recorded
// and compared with the shipped click and solved sounds, by length and loudness envelope.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <thread>

#include "tests/heard/listening.h"

namespace verlumo::heard {
namespace {

// Anything above -54 dBFS counts as heard; the null sink's silence is exact zeros.
constexpr double kHeardLevel = 0.002;
// The solved sound rings on without a pause; a shorter quiet stretch inside a sound is a dropout
// of a loaded machine, not the end of the sound.
constexpr int kLongestDropout = 5;
// How far a sound may be moved to line up with the shipped one, in windows: Wine's and the
// server's resampling smear an onset across a window.
constexpr int kAlignment = 3;

struct ShippedSound {
  // The envelope at the recording rate, once for each millisecond by which the sound may start
  // inside a window of the recording: so the envelopes are compared window on window.
  std::vector<std::vector<double>> envelopes;
  Sound audible;          // where it is louder than kHeardLevel
  double length_ms = 0;   // of the whole wave, quiet end included

  // The first windows of the envelope, or all of them.
  std::vector<double> opening(std::size_t delay_ms, int windows) const {
    const std::vector<double>& envelope = envelopes[delay_ms];
    return {envelope.begin(), envelope.begin() + std::min<std::size_t>(windows, envelope.size())};
  }
};

ShippedSound Shipped(const char* name) {
  std::ifstream file(std::string(VERLUMO_SOUND_DIR) + "/" + name, std::ios::binary);
  const art_test::Bytes bytes{std::istreambuf_iterator<char>(file), {}};
  const Signal wave = Resample(FromWave(art_test::DecodeWav(bytes)), kRecordingRate);
  ShippedSound sound;
  for (int delay_ms = 0; delay_ms < 1000 / kWindowsPerSecond; ++delay_ms) {
    Signal delayed{kRecordingRate, std::vector<float>(kRecordingRate * delay_ms / 1000, 0.0f)};
    delayed.samples.insert(delayed.samples.end(), wave.samples.begin(), wave.samples.end());
    sound.envelopes.push_back(Envelope(delayed));
  }
  const std::vector<Sound> parts = FindSounds(sound.envelopes[0], kHeardLevel, kLongestDropout);
  if (parts.size() == 1) sound.audible = parts[0];
  sound.length_ms = 1000.0 * static_cast<double>(wave.samples.size()) / kRecordingRate;
  return sound;
}

const ShippedSound& Click() {
  static const ShippedSound click = Shipped("click.wav");
  return click;
}

const ShippedSound& Solved() {
  static const ShippedSound solved = Shipped("solved.wav");
  return solved;
}

// What was heard while a scenario played the game.
struct Heard {
  ScenarioRun run;
  std::vector<double> envelope;
  std::vector<Sound> sounds;
  std::vector<double> pops_ms;  // where Wine's end-of-sound pops began

  long fact(const std::string& name) const {
    const auto found = run.facts.find(name);
    return found == run.facts.end() ? -1 : found->second;
  }
  // How well the shipped sound's envelope, or its opening windows, follows the heard one from
  // where the heard sound begins.
  double match(const Sound& sound, const ShippedSound& shipped, int windows = 1 << 30) const {
    return match_at(sound.first_window, shipped, windows);
  }
  double match_at(int window, const ShippedSound& shipped, int windows = 1 << 30) const {
    double best = 0;
    for (std::size_t delay = 0; delay < shipped.envelopes.size(); ++delay) {
      best = std::max(best, EnvelopeMatch(envelope, window, shipped.opening(delay, windows), kAlignment));
    }
    return best;
  }
};

Heard Listen(const std::string& scenario) {
  std::filesystem::create_directories(VERLUMO_RECORDING_DIR);
  const std::string base = std::string(VERLUMO_RECORDING_DIR) + "/" + scenario;
  Heard heard;
  Recorder recorder(base + ".raw");
  heard.run = RunScenario(scenario, base + ".log");
  // The last milliseconds still travel from Wine through the server to the recorder.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  Signal recording = recorder.Stop();
  for (std::size_t pop : SilenceWinePops(recording)) heard.pops_ms.push_back(1000.0 * pop / kRecordingRate);
  heard.envelope = Envelope(recording);
  heard.sounds = FindSounds(heard.envelope, kHeardLevel, kLongestDropout);

  // What was heard, for the log: recording length, each sound's place and length, the pops.
  std::cout << scenario << ": " << heard.envelope.size() * 10 << " ms recorded; sounds at";
  for (const Sound& sound : heard.sounds) {
    std::cout << " " << sound.first_window * 10 << " ms for " << sound.milliseconds() << " ms"
              << " (click " << heard.match(sound, Click()) << ", solved " << heard.match(sound, Solved()) << ")";
  }
  std::cout << "; Wine's pops at";
  for (double pop : heard.pops_ms) std::cout << " " << static_cast<long>(pop) << " ms";
  std::cout << "\n";
  return heard;
}

void ExpectClick(const Heard& heard, const Sound& sound) {
  // Give or take a window at either end, and one more for a stretch of a loaded machine.
  EXPECT_NEAR(sound.windows, Click().audible.windows, 3)
      << "a click heard for " << sound.milliseconds() << " ms at " << sound.first_window * 10 << " ms";
  EXPECT_GT(heard.match(sound, Click()), 0.9) << "the click at " << sound.first_window * 10 << " ms";
}

// A pop marks where Wine ran out of a sound's data. Each one must lie where a heard sound that
// was played to its end stops: its start plus the shipped wave's length, or a little later on a
// loaded machine, where Wine's playback falls behind and a pop may come in pieces.
void ExpectPopsOnlyAtTheEndsOf(const Heard& heard, const std::vector<std::pair<Sound, const ShippedSound*>>& played) {
  for (double pop : heard.pops_ms) {
    bool at_an_end = false;
    for (const auto& [sound, shipped] : played) {
      const double end = sound.first_window * 10 + shipped->length_ms;
      at_an_end = at_an_end || (pop >= end - 20 && pop <= end + 100);
    }
    EXPECT_TRUE(at_an_end) << "a pop at " << pop << " ms where no sound ended";
  }
}

TEST(Heard, TheShippedSoundsAreWhatTheTestsExpect) {
  // Guards the comparisons below against a change of the sounds that would make them weak.
  std::cout << "shipped: click " << Click().length_ms << " ms, heard for " << Click().audible.milliseconds()
            << " ms; solved " << Solved().length_ms << " ms, heard for " << Solved().audible.milliseconds() << " ms\n";
  EXPECT_NEAR(Click().length_ms, 60, 10);
  EXPECT_GE(Click().audible.windows, 2);
  EXPECT_NEAR(Solved().length_ms, 3537, 10);
  EXPECT_GE(Solved().audible.milliseconds(), 3000);
}

TEST(Heard, ASwapSoundsOneClick) {
  const Heard heard = Listen("OneSwap");
  ASSERT_TRUE(heard.run.passed) << heard.run.output;
  ASSERT_EQ(heard.sounds.size(), 1u) << "one swap, one click";
  ExpectClick(heard, heard.sounds[0]);
  ExpectPopsOnlyAtTheEndsOf(heard, {{heard.sounds[0], &Click()}});
}

TEST(Heard, ASolvedLevelSoundsTheSolvedSoundToItsEndAndTheSolvingClickIsNotHeard) {
  const Heard heard = Listen("Solve");
  ASSERT_TRUE(heard.run.passed) << heard.run.output;
  const long swaps = heard.fact("swaps");
  ASSERT_GE(swaps, 1);
  // The solving swap starts its click and, in the same moment, replaces it with the solved
  // sound, so every swap but the last is a click and the last is the solved sound alone.
  ASSERT_EQ(static_cast<long>(heard.sounds.size()), swaps) << swaps << " swaps";
  std::vector<std::pair<Sound, const ShippedSound*>> played;
  for (long i = 0; i + 1 < swaps; ++i) {
    ExpectClick(heard, heard.sounds[i]);
    played.push_back({heard.sounds[i], &Click()});
  }
  const Sound& solved = heard.sounds.back();
  EXPECT_NEAR(solved.windows, Solved().audible.windows, 5)
      << "the solved sound heard for " << solved.milliseconds() << " ms";
  EXPECT_GT(heard.match(solved, Solved()), 0.95);
  played.push_back({solved, &Solved()});
  ExpectPopsOnlyAtTheEndsOf(heard, played);
}

TEST(Heard, WithTheSoundSwitchUpNothingIsHeardAndDownAgainASwapClicks) {
  const Heard heard = Listen("SoundSwitchedOffThenOn");
  ASSERT_TRUE(heard.run.passed) << heard.run.output;
  ASSERT_GE(heard.fact("silent_swaps"), 2);
  // The recorder ran before the game started, so the silence must cover the whole time the
  // switch was up: the swaps and the solved level in it.
  ASSERT_EQ(heard.sounds.size(), 1u) << "only the swap after the switch went down again is heard";
  EXPECT_GE(heard.sounds[0].first_window * 10, heard.fact("silent_ms"));
  ExpectClick(heard, heard.sounds[0]);
  ExpectPopsOnlyAtTheEndsOf(heard, {{heard.sounds[0], &Click()}});
}

TEST(Heard, ASwapWhileTheSolvedSoundPlaysCutsItOffWithItsClick) {
  const Heard heard = Listen("SwapWhileTheSolvedSoundPlays");
  ASSERT_TRUE(heard.run.passed) << heard.run.output;
  const long swaps = heard.fact("swaps");
  const long solved_to_swap_ms = heard.fact("solved_to_swap_ms");
  ASSERT_GE(swaps, 2);
  ASSERT_LT(solved_to_swap_ms, 2000) << "the swap came too late to cut the solved sound short";
  // The solving click is replaced at once and not heard; the click of the later swap follows
  // the cut-off solved sound without a pause, so the two are heard as one sound.
  ASSERT_EQ(static_cast<long>(heard.sounds.size()), swaps - 1) << swaps << " swaps";
  std::vector<std::pair<Sound, const ShippedSound*>> played;
  for (long i = 0; i + 2 < swaps; ++i) played.push_back({heard.sounds[i], &Click()});
  const Sound& cut = heard.sounds.back();
  const int click_windows = Click().audible.windows;
  const int solved_windows = cut.windows - click_windows;
  // The two clicks are timed in the driver as they are sent, so the solved part lasts as long
  // as the time between them, give or take the game's and the sound system's reaction.
  EXPECT_NEAR(solved_windows * 10, solved_to_swap_ms, 100) << "solved sound heard for " << solved_windows * 10 << " ms";
  // The opening of the solved sound is a run of quick notes at an even loudness, so its
  // loudness is compared as well as its shape; the window of the cut and the short pause before
  // the click are left out.
  const int opening_windows = std::max(solved_windows - 2, 1);
  double heard_level = 0, shipped_level = 0;
  for (int i = 0; i < opening_windows; ++i) {
    heard_level += heard.envelope[cut.first_window + i];
    shipped_level += Solved().envelopes[0][i];
  }
  const double opening_match = heard.match(cut, Solved(), opening_windows);
  std::cout << "cut: the solved sound heard for " << solved_windows * 10 << " ms, the swap " << solved_to_swap_ms
            << " ms after the solving one; its opening matched " << opening_match << " at "
            << heard_level / shipped_level << " of the shipped loudness\n";
  // The quick notes smear a little with the sound system's timing on a busy machine (0.89 was
  // seen); a click scores 0.25 to 0.55 against the solved sound, so 0.8 still tells them apart.
  EXPECT_GT(opening_match, 0.8) << "the cut sound does not begin as the solved sound does";
  EXPECT_NEAR(heard_level / shipped_level, 1.0, 0.25) << "the cut sound is not as loud as the solved sound";
  EXPECT_GT(heard.match_at(cut.end_window() - click_windows, Click()), 0.9)
      << "the cut sound does not end with the click";
  // Nothing of the solved sound comes back after the click.
  EXPECT_GE(static_cast<long>(heard.envelope.size()) - cut.end_window(), 300);
  Sound click_at_the_end{cut.end_window() - click_windows, click_windows};
  played.push_back({click_at_the_end, &Click()});
  ExpectPopsOnlyAtTheEndsOf(heard, played);
}

}  // namespace
}  // namespace verlumo::heard
