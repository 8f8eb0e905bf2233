// Libraries loaded on first use: a library the system cannot give must leave the game running
// with a clear reason, and the sound output must then simply stay silent.
#include "platform/win32/lazy_library.h"

#include <gtest/gtest.h>

#include "view/sound_player.h"
#include "view/win32/winmm_output.h"

namespace verlumo {
namespace {

using WaveOutGetNumDevsFunction = UINT(WINAPI*)();

TEST(LazyLibraryTest, AMissingLibraryGivesNoEntryAndNamesItself) {
  LazyLibrary missing(L"verlumo-no-such-library.dll");
  EXPECT_EQ(missing.Entry<WaveOutGetNumDevsFunction>("waveOutGetNumDevs"), nullptr);
  EXPECT_FALSE(missing.loaded());
  EXPECT_NE(missing.error().find("verlumo-no-such-library.dll cannot be loaded"), std::string::npos)
      << missing.error();
  // Asking again does not try again and keeps the reason.
  EXPECT_EQ(missing.Entry<WaveOutGetNumDevsFunction>("waveOutGetNumDevs"), nullptr);
  EXPECT_NE(missing.error().find("cannot be loaded"), std::string::npos);
}

TEST(LazyLibraryTest, LoadsOnTheFirstEntryAskedForAndNamesAMissingEntry) {
  LazyLibrary winmm(L"winmm.dll");
  EXPECT_FALSE(winmm.loaded()) << "nothing is loaded before it is needed";
  const auto count = winmm.Entry<WaveOutGetNumDevsFunction>("waveOutGetNumDevs");
  ASSERT_NE(count, nullptr) << winmm.error();
  EXPECT_TRUE(winmm.loaded());
  count();
  EXPECT_EQ(winmm.Entry<WaveOutGetNumDevsFunction>("NoSuchEntry"), nullptr);
  EXPECT_EQ(winmm.error(), "winmm.dll has no entry NoSuchEntry");
}

TEST(LazyLibraryTest, WithoutWinmmTheSoundsStaySilentAndNothingFails) {
  LazyLibrary missing(L"verlumo-no-such-winmm.dll");
  WinmmOutput output(missing);
  EXPECT_EQ(output.DeviceCount(), 0u);
  const std::uint8_t image[44] = {'R', 'I', 'F', 'F'};
  EXPECT_FALSE(output.PlayImage(image));
  {
    SoundPlayer player(output, {std::vector<std::uint8_t>(image, image + 44), {}}, [] { return true; });
    player.PlaySound(1);
    EXPECT_FALSE(player.TakeFailure()) << "no device is no failure";
  }  // the player stops playback on its way out, which must not load anything
  EXPECT_FALSE(missing.loaded());
}

TEST(LazyLibraryTest, StoppingBeforeAnySoundDoesNotLoadWinmm) {
  LazyLibrary winmm(L"winmm.dll");
  WinmmOutput output(winmm);
  output.Stop(true);
  EXPECT_FALSE(winmm.loaded());
}

}  // namespace
}  // namespace verlumo
