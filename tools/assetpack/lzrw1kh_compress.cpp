// LZRW1/KH compression of one piece: a hash of the next three bytes finds the last place they
// were seen; a run of equal bytes is tried first.
#include "tools/assetpack/lzrw1kh_compress.h"

#include <array>
#include <cstddef>

#include "view/lzrw1kh.h"

namespace verlumo {
namespace {

constexpr std::size_t kMinRun = 16;
constexpr std::size_t kMaxRun = 4095;
constexpr std::size_t kMinCopy = 3;
constexpr std::size_t kMaxCopy = 18;
constexpr std::size_t kMaxOffset = 4095;
constexpr std::size_t kNoPosition = SIZE_MAX;

// Gathers items and their control bits, sixteen items to a control word written high byte
// first in front of them.
class GroupWriter {
 public:
  GroupWriter() { out_.push_back(kLzrwCompressed); }

  void Literal(std::uint8_t value) {
    StartItem(false);
    out_.push_back(value);
  }
  void Copy(std::size_t offset, std::size_t count) {
    StartItem(true);
    out_.push_back(static_cast<std::uint8_t>(offset >> 4));
    out_.push_back(static_cast<std::uint8_t>(((offset & 0x0F) << 4) | (count - kMinCopy)));
  }
  void Run(std::size_t count, std::uint8_t value) {
    StartItem(true);
    const std::size_t stored = count - kMinRun;
    out_.push_back(0);
    out_.push_back(static_cast<std::uint8_t>(stored >> 8));
    out_.push_back(static_cast<std::uint8_t>(stored & 0xFF));
    out_.push_back(value);
  }
  std::vector<std::uint8_t> Finish() {
    FlushControlWord();
    return std::move(out_);
  }

 private:
  void StartItem(bool is_copy_or_run) {
    if (items_ == 16) FlushControlWord();
    if (items_ == 0) {
      control_position_ = out_.size();
      out_.insert(out_.end(), {0, 0});
    }
    if (is_copy_or_run) control_ |= 0x8000u >> items_;
    ++items_;
  }
  void FlushControlWord() {
    if (items_ == 0) return;
    out_[control_position_] = static_cast<std::uint8_t>(control_ >> 8);
    out_[control_position_ + 1] = static_cast<std::uint8_t>(control_ & 0xFF);
    control_ = 0;
    items_ = 0;
  }

  std::vector<std::uint8_t> out_;
  std::size_t control_position_ = 0;
  unsigned control_ = 0;
  int items_ = 0;
};

std::size_t Hash(const std::uint8_t* p) {
  return ((40543u * ((((unsigned{p[0]} << 4) ^ p[1]) << 4) ^ p[2])) >> 4) & 0xFFF;
}

}  // namespace

std::vector<std::uint8_t> CompressChunk(const std::vector<std::uint8_t>& piece) {
  const std::size_t size = piece.size();
  GroupWriter writer;
  std::array<std::size_t, 4096> last_seen;
  last_seen.fill(kNoPosition);

  std::size_t i = 0;
  while (i < size) {
    std::size_t run = 1;
    while (i + run < size && run < kMaxRun && piece[i + run] == piece[i]) ++run;
    if (run >= kMinRun) {
      writer.Run(run, piece[i]);
      i += run;
      continue;
    }
    if (i + kMinCopy <= size) {
      const std::size_t hash = Hash(&piece[i]);
      const std::size_t candidate = last_seen[hash];
      last_seen[hash] = i;
      if (candidate != kNoPosition && i - candidate <= kMaxOffset) {
        std::size_t count = 0;
        while (count < kMaxCopy && i + count < size && piece[candidate + count] == piece[i + count]) {
          ++count;
        }
        if (count >= kMinCopy) {
          writer.Copy(i - candidate, count);
          i += count;
          continue;
        }
      }
    }
    writer.Literal(piece[i]);
    ++i;
  }

  std::vector<std::uint8_t> chunk = writer.Finish();
  if (chunk.size() > piece.size() + 1) {
    chunk.assign(1, kLzrwStored);
    chunk.insert(chunk.end(), piece.begin(), piece.end());
  }
  return chunk;
}

}  // namespace verlumo
