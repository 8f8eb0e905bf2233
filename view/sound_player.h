// Sound output: the click and solved sounds played from their wave images in memory, subject to
// the sound switch. A sound the system refuses is remembered as one message for the event that
// asked for it; the event itself runs to its end.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/game_display.h"

namespace verlumo {

// The system's simple wave playing, as the player uses it.
class WaveOutput {
 public:
  virtual ~WaveOutput() = default;
  virtual unsigned DeviceCount() = 0;
  // Starts playing the whole RIFF WAVE image asynchronously, cutting off a sound still playing.
  // False when the system refuses; LastError then tells why.
  virtual bool PlayImage(const std::uint8_t* image) = 0;
  // Cuts off whatever plays. memory_flag: stop as a memory sound is stopped before its image is
  // released.
  virtual void Stop(bool memory_flag) = 0;
  virtual std::uint32_t LastError() = 0;
  virtual std::string ErrorText(std::uint32_t code) = 0;
};

// "System Error.  Code: 5." and the system's text on the next line, or "A call to an OS
// function failed" when the system gave no error code.
std::string SystemErrorMessage(std::uint32_t code, const std::string& system_text);

class SoundPlayer final : public GameSounds {
 public:
  // sounds[0] is sound number 1 (solved), sounds[1] sound number 2 (click); an empty image
  // plays nothing. switch_down is read at every play.
  SoundPlayer(WaveOutput& output, std::array<std::vector<std::uint8_t>, 2> sounds,
              std::function<bool()> switch_down);
  // The images stay in memory while they may still be playing, so playback stops first.
  ~SoundPlayer();
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;

  void PlaySound(int sound) override;

  // The sounds, for a player made before they were there: the web page hands them over once
  // they have arrived.
  void SetSounds(std::array<std::vector<std::uint8_t>, 2> sounds);

  // The message of the first refused sound since the last call, if any.
  std::optional<std::string> TakeFailure();

 private:
  WaveOutput& output_;
  std::array<std::vector<std::uint8_t>, 2> sounds_;
  std::function<bool()> switch_down_;
  std::optional<std::string> failure_;
};

}  // namespace verlumo
