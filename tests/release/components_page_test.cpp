// The installer's components page as the player reads it, in the system's language (the test
// command runs it in an English and in a German prefix): every component's name fits the list
// whole, and every component has a description. A name wider than the list is cut off at its
// edge, so each item's text rectangle, which the tree view measures from the whole text, must end
// inside the list's client area.
#include <gtest/gtest.h>
#include <windows.h>
// commctrl.h needs windows.h before it.
#include <commctrl.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "tests/e2e/game_process.h"
#include "tests/release/installation.h"

namespace verlumo::release {
namespace {

constexpr int kNextButton = 1;
constexpr int kDescriptionText = 1043;  // on the components page

// The tree view of the page the installer shows, once it is there.
HWND FindComponentList(HWND installer, DWORD timeout_ms) {
  for (DWORD waited = 0; waited < timeout_ms; waited += 100) {
    HWND page = FindWindowExW(installer, nullptr, L"#32770", nullptr);
    HWND list = page != nullptr ? FindWindowExW(page, nullptr, WC_TREEVIEWW, nullptr) : nullptr;
    if (list != nullptr && IsWindowVisible(list)) return list;
    Sleep(100);
  }
  return nullptr;
}

struct ComponentItem {
  HTREEITEM handle;
  std::wstring name;
  RECT text{};
};

// The tree view lives in the installer's process: its messages take addresses there.
std::vector<ComponentItem> ReadItems(HANDLE process, HWND list) {
  struct Remote {
    RECT rect;
    TVITEMW item;
    wchar_t text[128];
  };
  auto* remote = static_cast<Remote*>(VirtualAllocEx(process, nullptr, sizeof(Remote), MEM_COMMIT, PAGE_READWRITE));
  std::vector<ComponentItem> items;
  if (remote == nullptr) return items;
  for (auto handle = reinterpret_cast<HTREEITEM>(SendMessageW(list, TVM_GETNEXTITEM, TVGN_ROOT, 0)); handle != nullptr;
       handle = reinterpret_cast<HTREEITEM>(
           SendMessageW(list, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(handle)))) {
    Remote local{};
    static_assert(sizeof handle <= sizeof local.rect);
    std::memcpy(&local.rect, &handle, sizeof handle);  // TVM_GETITEMRECT's input
    local.item.mask = TVIF_TEXT;
    local.item.hItem = handle;
    local.item.pszText = remote->text;
    local.item.cchTextMax = 128;
    WriteProcessMemory(process, remote, &local, sizeof local, nullptr);
    SendMessageW(list, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&remote->rect));
    SendMessageW(list, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&remote->item));
    ReadProcessMemory(process, remote, &local, sizeof local, nullptr);
    local.text[127] = L'\0';
    items.push_back({handle, local.text, local.rect});
  }
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  return items;
}

TEST(InstallerPages, EveryComponentHasANameThatFitsTheListAndADescription) {
  // The description box also follows the mouse, and the pointer of a new display rests in its
  // middle, over the centred installer's list: a component's description could show before any
  // is selected. The corner is clear of the installer.
  SetCursorPos(0, 0);
  const PROCESS_INFORMATION setup = Start(Quoted(SetupFile()));
  ASSERT_NE(setup.hProcess, nullptr);
  HWND installer = FindProcessDialog(setup.dwProcessId, 20000);
  ASSERT_NE(installer, nullptr) << "the installer shows no window";
  PostMessageW(installer, WM_COMMAND, MAKEWPARAM(kNextButton, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(installer, kNextButton)));
  HWND list = FindComponentList(installer, 20000);
  ASSERT_NE(list, nullptr) << "the page after the welcome shows no components list";

  RECT client{};
  GetClientRect(list, &client);
  const std::vector<ComponentItem> items = ReadItems(setup.hProcess, list);
  EXPECT_EQ(items.size(), 2u) << "the game and the desktop shortcut";
  for (const ComponentItem& item : items) {
    EXPECT_FALSE(item.name.empty());
    EXPECT_LE(item.text.right, client.right)
        << testing::PrintToString(item.name) << " ends at " << item.text.right << ", the list at " << client.right;
  }
  // The description box shows the page's stock hint until a component is pointed at or
  // selected; then the component's own description. A component without one leaves the box as
  // it was, so every component must show a text of its own. The first item starts selected, so
  // they are selected from the last.
  HWND description = GetDlgItem(GetParent(list), kDescriptionText);
  const std::wstring hint = e2e::WindowText(description);
  std::set<std::wstring> shown{hint};
  for (auto item = items.rbegin(); item != items.rend(); ++item) {
    SendMessageW(list, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item->handle));
    std::wstring text = e2e::WindowText(description);
    for (int wait = 0; wait < 20 && shown.count(text) != 0; ++wait) {
      Sleep(100);
      text = e2e::WindowText(description);
    }
    EXPECT_TRUE(!text.empty() && shown.insert(text).second)
        << testing::PrintToString(item->name) << " has no description of its own: " << testing::PrintToString(text);
  }
  // Nothing is installed before the last page: ending the installer here leaves nothing behind.
  TerminateProcess(setup.hProcess, 0);
  WaitForSingleObject(setup.hProcess, 10000);
  CloseHandle(setup.hThread);
  CloseHandle(setup.hProcess);
}

}  // namespace
}  // namespace verlumo::release
