// The binding to the platform's HTML Help control, hhctrl.ocx. The game does not link against
// it: the library is loaded at program start, before the main window exists, its entry points
// are taken by name, and it is released at program end. A machine without the control still
// runs the game; only the rules cannot be shown there.
#pragma once

#include <windows.h>

#include <string>

namespace verlumo::hh {

// HTML Help commands the game uses.
constexpr UINT kHhHelpContext = 15;  // open the help file at a context number
constexpr UINT kHhCloseAll = 18;     // close every help window the process opened

using HtmlHelpAFunction = HWND(WINAPI*)(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);
using HtmlHelpWFunction = HWND(WINAPI*)(HWND caller, LPCWSTR file, UINT command, DWORD_PTR data);

// Where the control file should be, without loading it: the default value of the control's
// InprocServer32 key under classes_root, with a leading %SYSTEMROOT% replaced by the Windows
// directory; a value that names no existing file, or none at all, gives the system directory's
// hhctrl.ocx. The game reads HKEY_CLASSES_ROOT; tests hand in a key of their own.
std::wstring LocateControlFile(HKEY classes_root = HKEY_CLASSES_ROOT);

// Loads hhctrl.ocx by its plain name through the system's library search, failing that from its
// registered location, and takes HtmlHelpA and HtmlHelpW by name. True when a library is loaded;
// an entry point the library lacks stays empty. Calling it again while loaded changes nothing.
bool LoadHelpLibrary();

// Releases the library and clears the entry points.
void ReleaseHelpLibrary();

HMODULE HelpLibrary();
HtmlHelpAFunction HtmlHelpAEntry();
HtmlHelpWFunction HtmlHelpWEntry();
// The entry every help call of the game goes through: HtmlHelpA, or null when it is missing.
HtmlHelpAFunction HtmlHelpEntry();

}  // namespace verlumo::hh
