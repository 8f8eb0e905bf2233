// Program entry: the help binding, the nine windows in their order, the message loop until the
// main window has closed, and the end.
#include <windows.h>

#include <objbase.h>

#include <string>

#include "shell/dialogs/game_dialogs.h"
#include "shell/help/hh.h"
#include "shell/help/hh_funcs.h"
#include "shell/main_form.h"
#include "shell/platform/program_path.h"

namespace {

int RunGame() {
  verlumo::TMainForm main_form;
  if (!main_form.Create()) return verlumo::ReportStartFailure(main_form.creation_failure());
  verlumo::GameDialogs dialogs;
  verlumo::DialogContext context{main_form.handle(), main_form.icon(), &main_form.language()};
  main_form.AttachDialogs(dialogs);
  // The dialogs are made in their order while the opening effect waits between its frames, so
  // the window appears as soon as the effect has played; any left are made after it.
  main_form.PlaceAndOpen([&] { return dialogs.CreateNext(context); });
  if (!dialogs.CreateAll(context)) return verlumo::ReportStartFailure(dialogs.creation_failure());
  main_form.Show();

  MSG message{};
  BOOL got = 0;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  // Only the quit message carries an exit code; a failed GetMessageW (-1) leaves nothing to read.
  return got == 0 ? static_cast<int>(message.wParam) : 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // The window thread lives in a COM apartment: a screen reader in another process reaches the
  // controls' accessible objects through it (and the file dialogs and the shell expect one).
  // Windows marshals an object only out of an apartment; Wine 8 marshals the toolbar's objects
  // without one as well, so the tests under Wine cannot show that this line is needed.
  const HRESULT apartment = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  verlumo::hh::LoadHelpLibrary();
  verlumo::hh::StartHelpLayer(verlumo::ProgramFile(), GetCommandLineW());
  const int exit_code = RunGame();
  verlumo::hh::ReleaseHelpLibrary();
  if (SUCCEEDED(apartment)) CoUninitialize();
  return exit_code;
}
