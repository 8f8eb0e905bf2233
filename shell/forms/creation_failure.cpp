// Telling the player why the game could not start.
#include "shell/forms/creation_failure.h"

namespace verlumo {
namespace {

// The system's text for an error code, without its closing line break; empty when it has none.
std::wstring SystemErrorText(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring result(text != nullptr ? text : L"", length);
  LocalFree(text);
  while (!result.empty() && (result.back() == L'\n' || result.back() == L'\r' || result.back() == L' ')) {
    result.pop_back();
  }
  return result;
}

}  // namespace

std::wstring StartFailureText(const CreationFailure& failure) {
  std::wstring text = L"Verlumo cannot start: " + failure.what + L" cannot be created.\r\n\r\nSystem error " +
                      std::to_wstring(failure.error);
  const std::wstring system_text = SystemErrorText(failure.error);
  if (!system_text.empty()) text += L": " + system_text;
  return text;
}

int ReportStartFailure(const CreationFailure& failure) {
  MessageBoxW(nullptr, StartFailureText(failure).c_str(), L"Verlumo", MB_OK | MB_ICONERROR);
  return 1;
}

}  // namespace verlumo
