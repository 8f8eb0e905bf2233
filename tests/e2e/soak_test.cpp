// A long session loses nothing and leaks nothing: the real game plays 2,000 swaps, 10,000 timer
// ticks, 50 level changes and 20 dialog openings, and its GDI objects, windows and committed
// memory are the same at the end as after the first rounds. The events go to the game's windows
// as the system would deliver them (a press on the board area, the animation timer's message,
// the toolbar buttons' commands), so the game runs its own handlers at full speed.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/game_session.h"
#include "tests/e2e/game_settings.h"
#include "tests/e2e/player.h"
#include "tests/e2e/process_resources.h"
#include "tests/e2e/screen_reader.h"

namespace verlumo::e2e {
namespace {

constexpr int kRounds = 50;             // each ends with a level change
constexpr int kClicksPerRound = 41;     // 2,050 clicks: at least 2,000 swaps, see below
constexpr int kTicksPerRound = 200;     // 10,000 ticks
constexpr int kWarmUpRounds = 10;       // every path used, every dialog opened twice
constexpr int kAnimationTimer = 1;
constexpr int kRestartButton = 101, kUpButton = 107, kInfoButton = 110;  // toolbar command ids
constexpr int kDialogOk = 1, kDialogNo = 2;
// What the system itself may add after the warm-up without the game leaking: Wine makes a few
// GDI objects of its own lazily (font and glyph caches when a dialog is painted again: up to 9
// from the second opening of the info dialog on, 0 to 3 once every dialog had been opened twice),
// and the heap keeps some slack (8 to 52 KiB seen). A leak of one object per dialog of either kind
// (8 openings each after the warm-up), per level change (40), swap or tick, or of 16 bytes a tick
// or 50 a swap, goes beyond these.
constexpr int kGdiSlack = 6;
constexpr SIZE_T kMemorySlack = 64 * 1024;

class Soak {
 public:
  explicit Soak(GameSession& session)
      : session_(session), box_(FindChild(session.main(), L"TPaintBox", 520, 376)) {}
  bool ready() const { return box_ != nullptr; }

  // A press on the middle of a cell. Consecutive clicks never hit the same cell, so every click
  // is a swap except, after each level start, a first click on the tile the game chose to carry:
  // 2,050 clicks in 50 rounds are at least 2,000 swaps (every level's cells are all movable).
  // True when the swap happened to solve the level: the Solved dialog came and was answered.
  // A press that is still being handled when the send gives up has opened a modal dialog, which
  // a loaded machine may take longer to show than the send waited.
  bool ClickCell(int cell) {
    const bool handled =
        Deliver(box_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(22 + (cell / 7) * 48 + 24, 20 + (cell % 7) * 48 + 24));
    HWND solved = session_.game().WaitForWindow(L"TSolvedDlg", handled ? 0 : 5000);
    if (solved != nullptr) Answer(solved, kDialogOk);
    return solved != nullptr;
  }
  void Tick() { Deliver(session_.main(), WM_TIMER, kAnimationTimer, 0); }
  void Command(int id) { Deliver(session_.main(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }

  // Opens a dialog through its toolbar button and answers it; false when it did not come.
  bool OpenDialog(int button, const wchar_t* class_name, int answer) {
    PostMessageW(session_.main(), WM_COMMAND, MAKEWPARAM(button, 0), 0);
    HWND dialog = session_.game().WaitForWindow(class_name, 5000);
    if (dialog == nullptr) return false;
    Answer(dialog, answer);
    return true;
  }

  ProcessResources Count() {
    Pause(300);  // let the game's queue run dry
    return CountResources(session_.game().process_handle(), session_.game().process_id());
  }

 private:
  // Sent, so that the game has handled each event before the next; a modal dialog opened by the
  // event keeps the call waiting, and the time-out lets the soak answer it. False on the time-out.
  static bool Deliver(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, message, wparam, lparam, SMTO_NORMAL, 2000, &result) != 0;
  }
  static void Answer(HWND dialog, int button) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, 0), 0);
    WaitUntilHidden(dialog, 5000);
  }

  GameSession& session_;
  HWND box_;
};

TEST(Soak, LongPlayKeepsGdiObjectsWindowsAndMemoryFlat) {
  ResetGameSettings();
  WriteGameSetting(L"tongue", L"0");
  WriteGameSetting(L"sound", L"0");
  GameSession session;
  ASSERT_TRUE(session.StartPastSplash());
  Soak soak(session);
  ASSERT_TRUE(soak.ready());

  ProcessResources warm;
  int clicks = 0, ticks = 0, level_changes = 0, dialogs = 0, previous_cell = -1;
  for (int round = 0; round < kRounds; ++round) {
    if (round == kWarmUpRounds) warm = soak.Count();
    bool solved = false;
    for (int click = 0; click < kClicksPerRound; ++click, ++clicks) {
      // A walk over the 63 cells with a stride prime to 63: never the same cell twice running.
      const int cell = (clicks * 23 + round) % 63;
      previous_cell = cell == previous_cell ? (cell + 1) % 63 : cell;
      solved |= soak.ClickCell(previous_cell);
    }
    // The restart question is asked only on a level played and not solved since it started: when
    // the clicks happened to solve it, the level starts again (without a question) and two clicks
    // on different cells, at least one a swap, play it; again if those solve it too.
    for (int extra = 0; round % 5 == 1 && solved && extra < 63; ++extra) {
      soak.Command(kRestartButton);
      solved = false;
      for (int swap = 0; swap < 2; ++swap) {
        previous_cell = (previous_cell + 1) % 63;
        solved |= soak.ClickCell(previous_cell);
      }
    }
    for (int tick = 0; tick < kTicksPerRound; ++tick, ++ticks) soak.Tick();
    // Two dialogs in every five rounds: the info dialog, and the restart question answered No.
    if (round % 5 == 0) dialogs += soak.OpenDialog(kInfoButton, L"TInfoDialog", kDialogOk) ? 1 : 0;
    if (round % 5 == 1) dialogs += soak.OpenDialog(kRestartButton, L"TRestartDlg", kDialogNo) ? 1 : 0;
    soak.Command(kUpButton);
    ++level_changes;
    previous_cell = -1;
  }
  const ProcessResources end = soak.Count();
  const std::wstring counts = L"after warm-up: " + warm.ToString() + L"; at the end: " + end.ToString();
  std::wprintf(L"%ls\n", counts.c_str());

  EXPECT_EQ(clicks, 2050);
  EXPECT_EQ(ticks, 10000);
  EXPECT_EQ(level_changes, 50);
  EXPECT_EQ(dialogs, 20) << "every dialog opening was answered";
  ASSERT_GT(warm.gdi_objects, 0) << "the GDI handle table could not be read";
  EXPECT_LE(end.gdi_objects, warm.gdi_objects + kGdiSlack) << std::string(counts.begin(), counts.end());
  EXPECT_EQ(end.windows, warm.windows) << std::string(counts.begin(), counts.end());
  EXPECT_LE(end.committed_bytes, warm.committed_bytes + kMemorySlack) << std::string(counts.begin(), counts.end());
  EXPECT_NE(FindWindowW(L"TMainForm", nullptr), nullptr) << "the game is still running";
}

}  // namespace
}  // namespace verlumo::e2e
