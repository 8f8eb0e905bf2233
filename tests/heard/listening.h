// Listening to the game from outside: parec records the monitor of PulseAudio's default sink
// while a scenario of the Windows driver plays the real game under Wine. Both run as child
// processes known by their ids, and both are ended by those ids.
#pragma once

#include <sys/types.h>

#include <map>
#include <string>

#include "tests/heard/sound_envelope.h"

namespace verlumo::heard {

inline constexpr int kRecordingRate = 22050;

class Recorder {
 public:
  // Starts recording into the file; throws std::runtime_error, with what parec said, when no
  // PulseAudio server is reachable or nothing arrives from it within a few seconds.
  explicit Recorder(std::string path);
  ~Recorder();
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;

  // Ends the recording and returns it.
  Signal Stop();

 private:
  std::string path_;
  pid_t pid_ = -1;
};

struct ScenarioRun {
  bool passed = false;  // the driver ran the scenario to its end without a failed check
  std::string output;   // everything the driver printed
  // "heard: name=value" lines of the driver: what the recording should show (swaps made, how
  // long a phase lasted in milliseconds).
  std::map<std::string, long> facts;
};

// Runs one HeardScenario test of the Windows driver under Wine and waits for it, at most two
// minutes.
ScenarioRun RunScenario(const std::string& name, const std::string& output_path);

}  // namespace verlumo::heard
