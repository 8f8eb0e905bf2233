// The window placement value and its arithmetic: any stored text gives a position on no account
// far off, a kept window lies on the desktop whenever it fits there, a value written reads back,
// and the explode effect's rectangles grow from the pointer to the window.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "shell/placement.h"
#include "tests/fuzz/fuzz_support.h"

using namespace verlumo;

namespace {

constexpr int kFar = 1 << 30;
constexpr int kScreenLimit = 1 << 16;  // sizes and desktop edges a real system reports

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  const auto screen = [&](int low) { return provider.ConsumeIntegralInRange(low, kScreenLimit); };
  const int width = screen(1), height = screen(1);
  const Rect desktop{screen(-kScreenLimit), screen(-kScreenLimit), screen(-kScreenLimit), screen(-kScreenLimit)};
  const int pointer_x = screen(-kScreenLimit), pointer_y = screen(-kScreenLimit);
  const unsigned flags = provider.ConsumeIntegral<unsigned>(), show = provider.ConsumeIntegral<unsigned>();
  const Position any{provider.ConsumeIntegral<int>(), provider.ConsumeIntegral<int>()};
  const std::string stored = provider.ConsumeRemainingBytesAsString();

  const std::optional<Position> position = ParseStoredPosition(stored);
  if (position) {
    fuzz::Require(position->left >= -kFar && position->left <= kFar && position->top >= -kFar && position->top <= kFar,
                  "a stored position lies within 2^30 of the origin");
  }
  for (const Position& at : {position.value_or(Position{0, 0}), any}) {
    const Rect kept = KeepOnDesktop(at, width, height, desktop);
    fuzz::Require(kept.right - kept.left == width && kept.bottom - kept.top == height, "keeping a window keeps its size");
    const int desktop_width = desktop.right - desktop.left, desktop_height = desktop.bottom - desktop.top;
    if (desktop.left >= 0 && width <= desktop_width - desktop.left) {
      fuzz::Require(kept.left >= desktop.left && kept.right <= desktop_width, "a window that fits is kept across");
    }
    if (desktop.top >= 0 && height <= desktop_height - desktop.top) {
      fuzz::Require(kept.top >= desktop.top && kept.bottom <= desktop_height, "a window that fits is kept down");
    }
    const std::string written = FormatStoredPosition(flags, show, kept);
    if (kept.left >= -kFar && kept.left <= kFar && kept.top >= -kFar && kept.top <= kFar) {
      fuzz::Require(ParseStoredPosition(written) == Position{kept.left, kept.top}, "a value written reads back");
    }
    const Rect window = kept;
    fuzz::Require(ExplodeRectangle(kExplodeSteps, pointer_x, pointer_y, window) == window,
                  "the last rectangle is the window");
    for (int step = 1; step < kExplodeSteps; ++step) {
      const Rect r = ExplodeRectangle(step, pointer_x, pointer_y, window);
      fuzz::Require(r.left >= std::min(pointer_x, window.left) && r.left <= std::max(pointer_x, window.left),
                    "a rectangle's corner lies between the pointer and the window's");
      fuzz::Require(r.right - r.left >= 0 && r.right - r.left <= window.right - window.left, "rectangles grow to the window");
    }
  }
  return 0;
}
