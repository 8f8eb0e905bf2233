// winmm's simple wave playing.
#include "view/win32/winmm_output.h"

#include <windows.h>
#include <mmsystem.h>

#include "view/win32/utf16.h"

namespace verlumo {

unsigned WinmmOutput::DeviceCount() { return waveOutGetNumDevs(); }

bool WinmmOutput::PlayImage(const std::uint8_t* image) {
  // Asynchronous, no default sound in place of one the system cannot play, and the argument is
  // a wave image in memory.
  return sndPlaySoundA(reinterpret_cast<LPCSTR>(image), SND_ASYNC | SND_NODEFAULT | SND_MEMORY) != FALSE;
}

void WinmmOutput::Stop(bool memory_flag) { sndPlaySoundA(nullptr, memory_flag ? SND_MEMORY : 0); }

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
