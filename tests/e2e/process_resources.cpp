// Counting a process's GDI objects, windows and memory from another process.
#include "tests/e2e/process_resources.h"

#include <psapi.h>
#include <winternl.h>

#include <cstdint>
#include <vector>

namespace verlumo::e2e {
namespace {

// One entry of the GDI handle table, as the 64-bit systems lay it out.
struct GdiHandleEntry {
  std::uint64_t kernel_object;
  std::uint16_t owner_process;  // Windows: the owning process id; Wine's own table leaves it 0
  std::uint16_t owner_count;
  std::uint16_t unique;
  std::uint8_t type;  // 0 while the handle is free
  std::uint8_t flags;
  std::uint64_t user_object;
};
static_assert(sizeof(GdiHandleEntry) == 24);
constexpr std::size_t kGdiHandleEntries = 0x10000;
constexpr std::size_t kGdiSharedHandleTableOffset = 0xF8;  // in the 64-bit PEB

using QueryInformationProcess = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);

int CountGdiObjects(HANDLE process, DWORD process_id) {
  const auto query = reinterpret_cast<QueryInformationProcess>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic{};
  if (query == nullptr || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return -1;
  std::uint64_t table = 0;
  const auto* field = reinterpret_cast<const char*>(basic.PebBaseAddress) + kGdiSharedHandleTableOffset;
  if (!ReadProcessMemory(process, field, &table, sizeof table, nullptr) || table == 0) return -1;
  std::vector<GdiHandleEntry> entries(kGdiHandleEntries);
  if (!ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(),
                         entries.size() * sizeof(GdiHandleEntry), nullptr)) {
    return -1;
  }
  // On Windows the table is shared by the session: only this process's entries and the stock
  // objects, which belong to no process, count.
  const auto owner = static_cast<std::uint16_t>(process_id);
  int in_use = 0;
  for (const GdiHandleEntry& entry : entries) {
    if (entry.type != 0 && (entry.owner_process == owner || entry.owner_process == 0)) ++in_use;
  }
  return in_use;
}

struct WindowWalk {
  DWORD process_id;
  int count = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM walk) {
  ++reinterpret_cast<WindowWalk*>(walk)->count;
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM context) {
  auto* walk = reinterpret_cast<WindowWalk*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != walk->process_id) return TRUE;
  ++walk->count;
  EnumChildWindows(window, CountChild, context);  // every descendant, not only the children
  return TRUE;
}

}  // namespace

std::wstring ProcessResources::ToString() const {
  return std::to_wstring(gdi_objects) + L" GDI objects, " + std::to_wstring(windows) + L" windows, " +
         std::to_wstring(committed_bytes / 1024) + L" KiB committed";
}

ProcessResources CountResources(HANDLE process, DWORD process_id) {
  ProcessResources counted;
  counted.gdi_objects = CountGdiObjects(process, process_id);
  WindowWalk walk{process_id};
  EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&walk));
  counted.windows = walk.count;
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(process, &memory, sizeof memory)) counted.committed_bytes = memory.PagefileUsage;
  return counted;
}

}  // namespace verlumo::e2e
