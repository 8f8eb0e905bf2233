// What a player's machine shows of Verlumo's installer and zip, for the release tests: where
// the installer puts things, running the installer and the uninstaller and waiting for them,
// and reading the uninstall entry.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace verlumo::release {

// The downloads the build made (build/windows/dist), and the files a download ships.
std::wstring SetupFile();
// The verlumo.exe both downloads hold, as the build packed it: signed when the build signs.
std::wstring ShippedProgramFile();
const std::vector<std::wstring>& ShippedFiles();  // LIESMICH.txt, README.txt, verlumo.exe, ...

// %LOCALAPPDATA%\Programs\Verlumo\, with the closing backslash.
std::wstring InstallFolder();
std::wstring StartMenuShortcut();
std::wstring DesktopShortcut();

// Starts a command line; the process and thread handles are null when it could not start.
PROCESS_INFORMATION Start(const std::wstring& command_line);
// Runs a command line and waits for its end; the exit code, or nothing when it ran longer than
// timeout_ms (it is then ended).
std::optional<DWORD> RunAndWait(const std::wstring& command_line, DWORD timeout_ms = 120000);
std::wstring Quoted(const std::wstring& text);

constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Verlumo";
std::optional<std::wstring> UninstallText(const wchar_t* name);
std::optional<DWORD> UninstallNumber(const wchar_t* name);
bool UninstallEntryExists();

// Runs the uninstall entry's QuietUninstallString and waits until the uninstaller, which runs
// on from a copy of itself, has removed the entry and the program. False when it did not.
bool UninstallQuietly();
// Leaves the machine without Verlumo: uninstalled, and the install folder gone with whatever
// game files a test left in it.
void RemoveEverything();

// The first visible dialog (a message box, or the installer's window) the process shows within
// timeout_ms, or null.
HWND FindProcessDialog(DWORD process_id, DWORD timeout_ms);

bool Exists(const std::wstring& path);
std::string ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::string& bytes);

}  // namespace verlumo::release
