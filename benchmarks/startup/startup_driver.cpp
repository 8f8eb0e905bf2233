// Times the start of a program from outside, as a player waits for it: from the moment the
// process is created until its window shows its board. Runs the programs named on the command
// line in turn, interleaved, and prints each start and the best and median per program.
//
//   startup_driver RUNS NAME=PROGRAM.exe=WINDOWCLASS[=explode] ...
//
// "Shows its board" is read from the screen: a handful of points in the board area (the frame,
// the progress gauge) must show what they show once the program has settled, which a warm-up
// start of each program records first. A program marked "explode" plays an opening effect
// between placing its still hidden window and showing it; that stretch, from the window's move
// to its appearance, is left out of its time. The splash screen does not count either: the
// clock stops when the board is painted, which happens while the splash is still up.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

// Client points of the main window: frame corners and three points of the progress gauge, which
// the board area draws last. None lies under the splash screen or the floor's moving cell.
constexpr POINT kProbePoints[] = {{5, 38}, {514, 404}, {475, 75}, {485, 230}, {495, 372}};
constexpr DWORD kStartTimeoutMs = 20000;

struct Program {
  std::wstring name;
  std::wstring file;
  std::wstring window_class;
  bool explode = false;
  std::vector<COLORREF> reference;
  std::vector<double> times;
};

struct StartTimes {
  double placed = -1;   // ms from process creation until the hidden window moved
  double visible = -1;  // ... until it was visible
  double painted = -1;  // ... until the probe points showed the board
};

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

HWND FindProgramWindow(const Program& program, DWORD process_id) {
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, program.window_class.c_str(), nullptr)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == process_id) return window;
  }
  return nullptr;
}

std::vector<COLORREF> ReadProbes(HWND window) {
  std::vector<COLORREF> colours;
  HDC dc = GetDC(window);
  if (dc == nullptr) return colours;
  for (const POINT& point : kProbePoints) colours.push_back(GetPixel(dc, point.x, point.y));
  ReleaseDC(window, dc);
  return colours;
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class Started {
 public:
  explicit Started(const Program& program) {
    std::wstring command = L"\"" + program.file + L"\"";
    std::wstring folder = program.file.substr(0, program.file.find_last_of(L"\\/") + 1);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    created_at_ = Now();
    ok_ = CreateProcessW(program.file.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                         folder.empty() ? nullptr : folder.c_str(), &startup, &process_) != FALSE;
  }
  ~Started() {
    if (!ok_) return;
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, 10000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
    // The window's pixels must be gone from the screen before the next start is timed.
    Sleep(300);
  }
  Started(const Started&) = delete;
  Started& operator=(const Started&) = delete;

  bool ok() const { return ok_; }
  DWORD id() const { return process_.dwProcessId; }
  double created_at() const { return created_at_; }
  bool exited() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; }

 private:
  PROCESS_INFORMATION process_{};
  double created_at_ = 0;
  bool ok_ = false;
};

// Polls the program's window until the probes match; with no reference yet, until it is visible.
bool WatchStart(const Program& program, const Started& started, StartTimes& times, HWND& window) {
  RECT first_rect{};
  bool have_rect = false;
  for (;;) {
    const double elapsed = Now() - started.created_at();
    if (elapsed > kStartTimeoutMs || started.exited()) return false;
    if (window == nullptr) window = FindProgramWindow(program, started.id());
    if (window != nullptr) {
      RECT rect{};
      GetWindowRect(window, &rect);
      if (!have_rect) {
        first_rect = rect;
        have_rect = true;
      } else if (times.placed < 0 && !SameRect(rect, first_rect)) {
        times.placed = elapsed;
      }
      if (times.visible < 0 && IsWindowVisible(window)) times.visible = elapsed;
      if (times.visible >= 0) {
        if (program.reference.empty()) return true;
        if (ReadProbes(window) == program.reference) {
          times.painted = Now() - started.created_at();
          return true;
        }
      }
    }
    Sleep(1);
  }
}

// The start-up time with the opening effect taken out.
double StartupTime(const Program& program, const StartTimes& times) {
  if (!program.explode) return times.painted;
  return times.placed + (times.painted - times.visible);
}

bool RecordReference(Program& program) {
  Started started(program);
  StartTimes times;
  HWND window = nullptr;
  if (!started.ok() || !WatchStart(program, started, times, window)) return false;
  Sleep(2000);  // settled: painted, splash up or gone
  program.reference = ReadProbes(window);
  return program.reference.size() == std::size(kProbePoints);
}

bool TimeOneStart(Program& program) {
  Started started(program);
  StartTimes times;
  HWND window = nullptr;
  if (!started.ok() || !WatchStart(program, started, times, window)) return false;
  if (program.explode && times.placed < 0) {
    std::fwprintf(stderr, L"%ls: the window was never moved before it showed, so its opening effect "
                          L"cannot be told apart; store a position away from the screen centre\n",
                  program.name.c_str());
    return false;
  }
  const double startup = StartupTime(program, times);
  program.times.push_back(startup);
  std::wprintf(L"start %ls %.1f (placed %.1f, visible %.1f, painted %.1f)\n", program.name.c_str(),
               startup, times.placed, times.visible, times.painted);
  std::fflush(stdout);
  return true;
}

bool ParseProgram(const std::wstring& argument, Program& program) {
  std::vector<std::wstring> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = argument.find(L'=', start)) != std::wstring::npos; start = at + 1) {
    parts.push_back(argument.substr(start, at - start));
  }
  parts.push_back(argument.substr(start));
  if (parts.size() < 3 || parts.size() > 4) return false;
  if (parts.size() == 4 && parts[3] != L"explode") return false;
  program.name = parts[0];
  program.file = parts[1];
  program.window_class = parts[2];
  program.explode = parts.size() == 4;
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? _wtoi(argv[1]) : 0;
  std::vector<Program> programs(argc > 2 ? argc - 2 : 0);
  bool usable = runs > 0 && !programs.empty();
  for (std::size_t i = 0; usable && i < programs.size(); ++i) usable = ParseProgram(argv[i + 2], programs[i]);
  if (!usable) {
    std::fwprintf(stderr, L"usage: startup_driver RUNS NAME=PROGRAM.exe=WINDOWCLASS[=explode] ...\n");
    return 2;
  }
  for (Program& program : programs) {
    if (!RecordReference(program)) {
      std::fwprintf(stderr, L"%ls: no window of class %ls showed within %lu ms\n", program.name.c_str(),
                    program.window_class.c_str(), kStartTimeoutMs);
      return 1;
    }
  }
  // Interleaved, and each round in the other order, so that a change in the machine's load
  // falls on every program alike.
  for (int run = 0; run < runs; ++run) {
    for (std::size_t k = 0; k < programs.size(); ++k) {
      Program& program = programs[run % 2 == 0 ? k : programs.size() - 1 - k];
      if (!TimeOneStart(program)) {
        std::fwprintf(stderr, L"%ls: start %d did not show its board within %lu ms\n",
                      program.name.c_str(), run + 1, kStartTimeoutMs);
        return 1;
      }
    }
  }
  for (Program& program : programs) {
    std::vector<double> sorted = program.times;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t n = sorted.size();
    const double median = n % 2 == 1 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
    std::wprintf(L"startup %ls best %.1f median %.1f\n", program.name.c_str(), sorted.front(), median);
  }
  return 0;
}
