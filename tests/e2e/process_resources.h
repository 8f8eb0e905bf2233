// What a running game holds, counted from outside its process: GDI objects, windows and
// committed memory, so that a long session can show that none of them grows.
//
// GetGuiResources would give the GDI count on Windows, but Wine 8 does not implement it (it
// answers 0). Both systems, though, keep a process's GDI handle table where its process
// environment block's GdiSharedHandleTable points, one entry per possible handle with a non-zero
// type while the handle is in use; Wine keeps that table in memory of the process itself. Reading
// the table with ReadProcessMemory and counting the entries in use counts every GDI object the
// game has made and not deleted (bitmaps, device contexts, fonts, brushes, regions), together
// with the system's stock objects, whose number does not change.
#pragma once

#include <windows.h>

#include <string>

namespace verlumo::e2e {

struct ProcessResources {
  int gdi_objects = -1;        // entries in use in the GDI handle table; -1 when unreadable
  int windows = 0;             // top-level and child windows of the process
  SIZE_T committed_bytes = 0;  // private memory committed (the pagefile usage)

  std::wstring ToString() const;
};

ProcessResources CountResources(HANDLE process, DWORD process_id);

}  // namespace verlumo::e2e
