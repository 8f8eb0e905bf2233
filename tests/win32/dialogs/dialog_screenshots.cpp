// Shows every dialog of the game in turn over a stand-in main window and saves a picture of
// each as a BMP file, for judging their look by eye. Usage: dialog_screenshots [folder]
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "shell/dialogs/game_dialogs.h"
#include "tests/win32/dialogs/dialog_test_support.h"

namespace verlumo {
namespace {

using test_support::Player;
using test_support::WindowRect;

// The screen's pixels inside rect, written as a 24-bit BMP file.
bool SaveScreenArea(const RECT& rect, const std::wstring& path) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  SelectObject(memory, previous);

  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  const int row_bytes = (width * 3 + 3) & ~3;
  std::vector<char> pixels(static_cast<size_t>(row_bytes) * height);
  GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  FILE* out = _wfopen(path.c_str(), L"wb");
  if (out == nullptr) return false;
  const bool written = fwrite(&file, sizeof file, 1, out) == 1 && fwrite(&info, sizeof info, 1, out) == 1 &&
                       fwrite(pixels.data(), 1, pixels.size(), out) == pixels.size();
  return fclose(out) == 0 && written;
}

class Photographer {
 public:
  explicit Photographer(std::wstring folder) : folder_(std::move(folder)) {}

  // Shows the form modally, plays the steps before, saves the form once it has painted, then
  // closes it.
  void Shoot(Form& form, const std::wstring& name, const std::vector<std::function<void()>>& before = {}) {
    Player player;
    // A moment for the dialog to settle before the first input.
    player.Then([] {});
    for (const auto& step : before) player.Then(step);
    player.Then([&] { RedrawWindow(form.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN); })
        .Then([&] { Save(WindowRect(form.handle()), name); })
        .Then([&] { PostMessageW(form.handle(), WM_CLOSE, 0, 0); });
    player.Play([&] { return form.ShowModal(); });
  }

  void Save(const RECT& rect, const std::wstring& name) {
    const std::wstring path = folder_ + L"\\dialog_" + name + L".bmp";
    if (!SaveScreenArea(rect, path)) failures_ += 1;
  }

  int failures() const { return failures_; }

 private:
  std::wstring folder_;
  int failures_ = 0;
};

int TakeScreenshots(const std::wstring& folder) {
  CreateDirectoryW(folder.c_str(), nullptr);
  test_support::StandInMainWindow main_window(150, 60);
  test_support::TestContext game(main_window.handle());
  GameDialogs dialogs;
  if (!dialogs.CreateAll(game.context)) return 2;
  // No real shell here: the e-mail link fails, the others open.
  dialogs.info().set_link_opener([](HWND, const std::wstring& target) -> INT_PTR {
    return target.rfind(L"mailto:", 0) == 0 ? 2 : 42;
  });

  Photographer camera(folder);
  camera.Shoot(dialogs.splash(), L"splash");
  camera.Shoot(dialogs.language(), L"language");
  const struct {
    MessageDialog& dialog;
    const wchar_t* name;
  } messages[] = {{dialogs.solved(), L"solved"},
                  {dialogs.all_solved(), L"all_solved"},
                  {dialogs.restart(), L"restart"},
                  {dialogs.give_up(), L"give_up"},
                  {dialogs.end_game(), L"end_game"}};
  for (const int language : {0, 1}) {
    game.language.Set(language);
    const std::wstring suffix = language == 1 ? L"_de" : L"_en";
    for (const auto& message : messages) camera.Shoot(message.dialog, message.name + suffix);
    camera.Shoot(dialogs.info(), L"info" + suffix);
  }
  // The links after use: the home page yellow, the e-mail address that could not open greyed.
  camera.Shoot(dialogs.info(), L"info_links_used",
               {[&] { test_support::ClickOn(dialogs.info().email_link().handle()); },
                [&] { test_support::ClickOn(dialogs.info().home_page_link().handle()); }});
  // A dialog in place over the main window.
  Player over_main;
  over_main.Then([&] { RedrawWindow(main_window.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); })
      .Then([&] {
        RECT both = WindowRect(main_window.handle());
        const RECT dialog = WindowRect(dialogs.end_game().handle());
        UnionRect(&both, &both, &dialog);
        camera.Save(both, L"end_game_over_main");
      })
      .Then([&] { PostMessageW(dialogs.end_game().handle(), WM_CLOSE, 0, 0); });
  over_main.Play([&] { return dialogs.ShowEndGame(); });
  return camera.failures() == 0 ? 0 : 1;
}

}  // namespace
}  // namespace verlumo

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const std::wstring folder = __argc > 1 ? __wargv[1] : L"screenshots";
  return verlumo::TakeScreenshots(folder);
}
