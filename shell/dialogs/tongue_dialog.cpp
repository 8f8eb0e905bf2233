// The language dialog: layout, placement and the two choices.
#include "shell/dialogs/tongue_dialog.h"

#include "core/texts.h"
#include "midend/front_texts.h"
#include "platform/win32/utf16.h"
#include "shell/forms/painting.h"
#include "shell/resource_ids.h"
#include "verlumo_version.h"

namespace verlumo {
namespace {

constexpr wchar_t kClassName[] = L"TTongueDlg";
constexpr int kClientWidth = 320;
constexpr int kClientHeight = 91;
constexpr WindowBox kBevel{8, 8, 305, 77};
constexpr POINT kIconAt{28, 28};
constexpr WindowBox kEnglishButton{84, 16, 221, 27};
constexpr WindowBox kGermanButton{84, 48, 221, 27};
constexpr int kEnglishId = 1;
constexpr int kGermanId = 2;

}  // namespace

bool TongueDialog::Create(const DialogContext& context) {
  return CreateDialogForm(context, kClassName, kClientWidth, kClientHeight);
}

bool TongueDialog::OnCreate() {
  SetWindowTextW(handle(), L"" VERLUMO_PRODUCT_CAPTION);
  english_flags_.reset(LoadBitmapResource(IDB_FLAGS_ENGLISH));
  german_flags_.reset(LoadBitmapResource(IDB_FLAGS_GERMAN));
  // Created in their tab order; each is worded in the language it chooses, in both languages.
  if (!english_button_.Create(handle(), kEnglishId, ToRect(kEnglishButton),
                              static_cast<HBITMAP>(english_flags_.get()), 1, dialog_font())) {
    return Refuse(L"the English button");
  }
  english_button_.SetCaption(Utf8ToWide(kSpeakEnglish));
  if (!german_button_.Create(handle(), kGermanId, ToRect(kGermanButton),
                             static_cast<HBITMAP>(german_flags_.get()), 1, dialog_font())) {
    return Refuse(L"the German button");
  }
  german_button_.SetCaption(Utf8ToWide(kSpeakGerman));
  set_first_focus(english_button_.handle());
  return true;
}

void TongueDialog::OnPaint(HDC dc) {
  DrawLoweredBevel(dc, ToRect(kBevel));
  DrawMainIcon(dc, kIconAt.x, kIconAt.y);
}

void TongueDialog::OnCommand(int id, HWND /*control*/) {
  if (id == kEnglishId) EnglishBtnClick();
  if (id == kGermanId) GermanBtnClick();
}

void TongueDialog::EnglishBtnClick() {
  if (context().language != nullptr) context().language->Set(kLanguageEnglish);
  set_modal_result(kModalOk);
}

void TongueDialog::GermanBtnClick() {
  if (context().language != nullptr) context().language->Set(kLanguageGerman);
  set_modal_result(kModalOk);
}

}  // namespace verlumo
