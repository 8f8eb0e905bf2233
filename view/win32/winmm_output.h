// The system's wave output through winmm: sndPlaySoundA with wave images held in memory.
#pragma once

#include "view/sound_player.h"

namespace verlumo {

class LazyLibrary;

class WinmmOutput final : public WaveOutput {
 public:
  WinmmOutput();
  // Tests hand in a library that cannot be loaded.
  explicit WinmmOutput(LazyLibrary& library) : library_(library) {}

  unsigned DeviceCount() override;
  bool PlayImage(const std::uint8_t* image) override;
  void Stop(bool memory_flag) override;
  std::uint32_t LastError() override;
  std::string ErrorText(std::uint32_t code) override;

 private:
  LazyLibrary& library_;
};

}  // namespace verlumo
