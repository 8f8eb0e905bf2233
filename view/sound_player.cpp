// Playing the game's two sounds.
#include "view/sound_player.h"

namespace verlumo {

std::string SystemErrorMessage(std::uint32_t code, const std::string& system_text) {
  if (code == 0) return "A call to an OS function failed";
  return "System Error.  Code: " + std::to_string(code) + ".\r\n" + system_text;
}

SoundPlayer::SoundPlayer(WaveOutput& output, std::array<std::vector<std::uint8_t>, 2> sounds,
                         std::function<bool()> switch_down)
    : output_(output), sounds_(std::move(sounds)), switch_down_(std::move(switch_down)) {}

SoundPlayer::~SoundPlayer() { output_.Stop(true); }

void SoundPlayer::PlaySound(int sound) {
  if (!switch_down_()) return;
  if (sound == 0) {
    output_.Stop(false);
    return;
  }
  if (sound < 1 || sound > static_cast<int>(sounds_.size())) return;
  const std::vector<std::uint8_t>& image = sounds_[sound - 1];
  if (image.empty() || output_.DeviceCount() == 0) return;
  if (output_.PlayImage(image.data())) return;
  // A refused sound must not cost the player a swap or a solved level: it is reported once
  // the event that asked for it has finished.
  if (!failure_) {
    const std::uint32_t code = output_.LastError();
    failure_ = SystemErrorMessage(code, output_.ErrorText(code));
  }
}

void SoundPlayer::SetSounds(std::array<std::vector<std::uint8_t>, 2> sounds) {
  output_.Stop(true);  // an image still playing is about to be released
  sounds_ = std::move(sounds);
}

std::optional<std::string> SoundPlayer::TakeFailure() {
  std::optional<std::string> failure = std::move(failure_);
  failure_.reset();
  return failure;
}

}  // namespace verlumo
