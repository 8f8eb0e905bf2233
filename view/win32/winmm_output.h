// The system's wave output through winmm: sndPlaySoundA with wave images held in memory.
#pragma once

#include "view/sound_player.h"

namespace verlumo {

class WinmmOutput final : public WaveOutput {
 public:
  unsigned DeviceCount() override;
  bool PlayImage(const std::uint8_t* image) override;
  void Stop(bool memory_flag) override;
  std::uint32_t LastError() override;
  std::string ErrorText(std::uint32_t code) override;
};

}  // namespace verlumo
