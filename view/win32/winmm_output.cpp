// winmm's simple wave playing. winmm is loaded with the first sound, not at start; a system
// without it is treated like one without a sound device: the game plays nothing.
#include "view/win32/winmm_output.h"

#include <windows.h>
#include <mmsystem.h>

#include "platform/win32/utf16.h"
#include "platform/win32/lazy_library.h"

namespace verlumo {
namespace {

using WaveOutGetNumDevsFunction = UINT(WINAPI*)();
using SndPlaySoundAFunction = BOOL(WINAPI*)(LPCSTR, UINT);

}  // namespace

WinmmOutput::WinmmOutput() : WinmmOutput(MultimediaLibrary()) {}

unsigned WinmmOutput::DeviceCount() {
  const auto count = library_.Entry<WaveOutGetNumDevsFunction>("waveOutGetNumDevs");
  return count != nullptr ? count() : 0;
}

bool WinmmOutput::PlayImage(const std::uint8_t* image) {
  const auto play = library_.Entry<SndPlaySoundAFunction>("sndPlaySoundA");
  if (play == nullptr) return false;
  // Asynchronous, no default sound in place of one the system cannot play, and the argument is
  // a wave image in memory.
  return play(reinterpret_cast<LPCSTR>(image), SND_ASYNC | SND_NODEFAULT | SND_MEMORY) != FALSE;
}

void WinmmOutput::Stop(bool memory_flag) {
  // Nothing can be playing before the library is loaded; stopping must not load it.
  if (!library_.loaded()) return;
  const auto play = library_.Entry<SndPlaySoundAFunction>("sndPlaySoundA");
  if (play != nullptr) play(nullptr, memory_flag ? SND_MEMORY : 0);
}

std::uint32_t WinmmOutput::LastError() { return GetLastError(); }

std::string WinmmOutput::ErrorText(std::uint32_t code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
  std::string utf8 = WideToUtf8(std::wstring(text, length));
  LocalFree(text);
  while (!utf8.empty() && (utf8.back() == '\n' || utf8.back() == '\r')) utf8.pop_back();
  return utf8;
}

}  // namespace verlumo
