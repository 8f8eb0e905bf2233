// Checking a sound list item before it is ever played. The system's wave player trusts the sizes
// inside a RIFF WAVE image handed to it in memory, so an image whose sizes lie would make it read
// beyond the block: each image is checked once, when the sound list is read.
#pragma once

#include <cstdint>
#include <vector>

namespace verlumo {

// True for a RIFF WAVE image the player may be given: the "RIFF" and "WAVE" tags, a RIFF size
// that is the image's size less the 8 bytes before it, and chunks that each lie inside the
// image, among them a "fmt " chunk of at least 16 bytes and a "data" chunk.
bool IsPlayableWaveImage(const std::vector<std::uint8_t>& image);

}  // namespace verlumo
