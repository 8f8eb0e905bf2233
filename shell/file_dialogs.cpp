// Showing the common file dialogs. comdlg32 is loaded when the first dialog is asked for.
#include "shell/file_dialogs.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "platform/win32/utf16.h"
#include "platform/win32/lazy_library.h"

namespace verlumo {
namespace {

using FileDialogFunction = BOOL(WINAPI*)(OPENFILENAMEW*);

constexpr wchar_t kFilter[] = L"Verlumo-Dateien\0*.vlm\0";
constexpr wchar_t kDefaultExtension[] = L"vlm";
constexpr DWORD kNameCapacity = 32768;  // the longest path the system allows

OPENFILENAMEW Setup(HWND owner, std::vector<wchar_t>& name, const std::wstring& folder) {
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = kFilter;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrDefExt = kDefaultExtension;
  dialog.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR | OFN_EXPLORER;
  return dialog;
}

std::vector<wchar_t> NameBuffer(const std::wstring& name) {
  std::vector<wchar_t> buffer(kNameCapacity, L'\0');
  name.copy(buffer.data(), std::min<std::size_t>(name.size(), kNameCapacity - 1));
  return buffer;
}

}  // namespace

GameFileDialogs::GameFileDialogs(HWND owner, ErrorReporter report_error)
    : GameFileDialogs(owner, std::move(report_error), CommonDialogsLibrary()) {}

// A dialog that cannot be shown reports why and counts as cancelled: nothing is loaded or saved.
bool GameFileDialogs::Run(const char* entry_name, OPENFILENAMEW& dialog) {
  const auto show = library_.Entry<FileDialogFunction>(entry_name);
  if (show == nullptr) {
    report_error_(library_.error());
    return false;
  }
  return show(&dialog) != FALSE;
}

std::optional<std::string> GameFileDialogs::ChooseSaveFile(const std::string& folder,
                                                           const std::optional<std::string>& file_name) {
  if (file_name) save_file_name_ = Utf8ToWide(*file_name);
  std::vector<wchar_t> name = NameBuffer(save_file_name_);
  const std::wstring initial_folder = Utf8ToWide(folder);
  OPENFILENAMEW dialog = Setup(owner_, name, initial_folder);
  if (!Run("GetSaveFileNameW", dialog)) return std::nullopt;
  save_file_name_ = name.data();
  return WideToUtf8(save_file_name_);
}

std::optional<std::string> GameFileDialogs::ChooseOpenFile(const std::string& start_path) {
  // The dialog is handed the game file's full path as its starting folder; the platform decides
  // which folder that shows.
  std::vector<wchar_t> name = NameBuffer(L"");
  const std::wstring initial_folder = Utf8ToWide(start_path);
  OPENFILENAMEW dialog = Setup(owner_, name, initial_folder);
  if (!Run("GetOpenFileNameW", dialog)) return std::nullopt;
  return WideToUtf8(std::wstring(name.data()));
}

}  // namespace verlumo
