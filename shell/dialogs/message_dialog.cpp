// The message dialogs: their table, creation, wording and answers.
#include "shell/dialogs/message_dialog.h"

#include <iterator>

#include "platform/win32/utf16.h"
#include "shell/forms/painting.h"
#include "shell/resource_ids.h"

namespace verlumo {

// One row of the table below.
struct MessageLayout {
  struct Button {
    int left;    // 0: the dialog has no such button
    int glyph;   // bitmap resource
    int images;  // 2 when a greyed picture stands beside the normal one
    int result;  // modal result of a click
  };
  const wchar_t* class_name;
  bool bold_dialog;  // the whole dialog bold, buttons included, or the message only
  WindowBox message_box;
  Button ok;
  Button cancel;
};

namespace {

constexpr int kClientWidth = 261;
constexpr int kClientHeight = 103;
constexpr WindowBox kBevel{8, 8, 245, 49};
constexpr POINT kIconAt{16, 16};
constexpr int kButtonTop = 68;
constexpr int kButtonWidth = 77;
constexpr int kButtonHeight = 27;
constexpr int kOkId = 1;
constexpr int kCancelId = 2;

constexpr MessageLayout::Button kNoButton{0, 0, 0, 0};

// In the order of MessageKind.
constexpr MessageLayout kLayouts[] = {
    {L"TSolvedDlg", true, {60, 28, 181, 17},
     {92, IDB_SMILE, 1, kModalOk}, kNoButton},
    {L"TAllSolvedDlg", true, {68, 14, 165, 41},
     {92, IDB_SMILE, 1, kModalOk}, kNoButton},
    {L"TRestartDlg", false, {56, 20, 189, 26},
     {40, IDB_AGAIN, 2, kModalYes}, {128, IDB_CROSS, 2, kModalNo}},
    {L"TGiveUpDlg", false, {56, 20, 189, 26},
     {40, IDB_NEWGAME, 1, kModalYes}, {136, IDB_CROSS, 2, kModalCancel}},
    {L"TEndGameDlg", false, {72, 20, 153, 29},
     {40, IDB_EXIT, 1, kModalYes}, {136, IDB_CROSS, 2, kModalCancel}},
};
static_assert(std::size(kLayouts) == static_cast<size_t>(MessageKind::kEndGame) + 1);

RECT ButtonBounds(int left) { return ToRect({left, kButtonTop, kButtonWidth, kButtonHeight}); }

}  // namespace

MessageDialog::MessageDialog(MessageKind kind) : kind_(kind), layout_(kLayouts[static_cast<int>(kind)]) {}

bool MessageDialog::Create(const DialogContext& context) {
  return CreateDialogForm(context, layout_.class_name, kClientWidth, kClientHeight, layout_.bold_dialog);
}

bool MessageDialog::OnCreate() {
  message_font_ = CreateUiFont(kDialogFontFace, kDialogFontHeight, true);
  SetWindowTextW(handle(), L"Verlumo");

  ok_glyph_.reset(LoadBitmapResource(layout_.ok.glyph));
  if (!ok_button_.Create(handle(), kOkId, ButtonBounds(layout_.ok.left),
                         static_cast<HBITMAP>(ok_glyph_.get()), layout_.ok.images,
                         dialog_font())) {
    return Refuse(L"the OK button");
  }
  // The announcements' button says "OK" in both languages; the questions' are worded when shown.
  ok_button_.SetCaption(L"OK");
  set_first_focus(ok_button_.handle());

  if (layout_.cancel.left != 0) {
    cancel_glyph_.reset(LoadBitmapResource(layout_.cancel.glyph));
    if (!cancel_button_.Create(handle(), kCancelId, ButtonBounds(layout_.cancel.left),
                               static_cast<HBITMAP>(cancel_glyph_.get()), layout_.cancel.images,
                               dialog_font())) {
      return Refuse(L"the cancel button");
    }
    set_cancel_button(cancel_button_.handle());
  }
  return true;
}

void MessageDialog::ApplyTexts() {
  const MessageTexts texts = MessageTextsFor(kind_, language());
  message_ = Utf8ToWide(texts.message);
  if (layout_.cancel.left != 0) {
    ok_button_.SetCaption(Utf8ToWide(texts.yes));
    cancel_button_.SetCaption(Utf8ToWide(texts.no));
  }
  InvalidateRect(handle(), nullptr, TRUE);
}

void MessageDialog::OnPaint(HDC dc) {
  DrawLoweredBevel(dc, ToRect(kBevel));
  DrawMainIcon(dc, kIconAt.x, kIconAt.y);
  LabelStyle style;
  style.font = static_cast<HFONT>(message_font_.get());
  style.format = DT_CENTER | DT_TOP | DT_WORDBREAK | DT_NOPREFIX;
  DrawLabel(dc, ToRect(layout_.message_box), message_, style);
}

void MessageDialog::OnCommand(int id, HWND /*control*/) {
  if (id == kOkId) set_modal_result(layout_.ok.result);
  if (id == kCancelId && layout_.cancel.left != 0) set_modal_result(layout_.cancel.result);
}

}  // namespace verlumo
