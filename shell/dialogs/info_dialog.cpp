// The info dialog: layout, the maker's details, wording and the language button.
#include "shell/dialogs/info_dialog.h"

#include "midend/front_texts.h"
#include "platform/win32/utf16.h"
#include "shell/dialogs/tongue_dialog.h"
#include "shell/forms/painting.h"
#include "shell/resource_ids.h"
#include "verlumo_version.h"

namespace verlumo {
namespace {

constexpr wchar_t kClassName[] = L"TInfoDialog";
constexpr int kClientWidth = 309;
constexpr int kClientHeight = 322;

constexpr wchar_t kVersion[] = L"Version  V" VERLUMO_VERSION;

// The upper frame: product and maker.
constexpr WindowBox kUpperBevel{4, 4, 301, 197};
constexpr POINT kLogoAt{8, 8};
constexpr WindowBox kProductNameLabel{112, 8, 189, 25};
constexpr WindowBox kVersionLabel{112, 32, 189, 13};
constexpr WindowBox kCodedLabel{112, 48, 181, 13};
constexpr POINT kIconAt{36, 96};
constexpr POINT kCopyrightAt{100, 104};
constexpr POINT kAuthorAt{116, 104};
constexpr POINT kStreetAt{116, 120};
constexpr POINT kTownAt{116, 136};
constexpr WindowBox kEmailCaption{44, 155, 62, 21};
constexpr WindowBox kEmailLink{112, 155, 92, 15};
constexpr WindowBox kHomePageCaption{21, 174, 85, 21};
constexpr WindowBox kHomePageLink{112, 174, 122, 15};

// The lower frame: membership; and the buttons.
constexpr WindowBox kLowerBevel{4, 206, 301, 77};
constexpr POINT kAssociationLogoAt{8, 210};
constexpr WindowBox kMemberOfLabel{135, 210, 153, 13};
constexpr WindowBox kMemberLink{135, 225, 153, 15};
constexpr WindowBox kAssociationShortLabel{135, 242, 105, 21};
constexpr WindowBox kProgramLabel{131, 262, 109, 17};
constexpr WindowBox kTongueButton{120, 290, 89, 27};
constexpr WindowBox kOkButton{216, 290, 89, 27};
constexpr int kOkId = 1;
constexpr int kTongueId = 2;

constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

constexpr UINT kWrapped = DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX;
constexpr UINT kRightAligned = DT_RIGHT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;
constexpr UINT kOneLine = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;
// A label that grows with its text.
constexpr UINT kAutoSized = kOneLine | DT_NOCLIP;

RECT At(POINT point) { return {point.x, point.y, point.x, point.y}; }

}  // namespace

bool InfoDialog::Create(const DialogContext& context, TongueDialog& language_dialog) {
  language_dialog_ = &language_dialog;
  return CreateDialogForm(context, kClassName, kClientWidth, kClientHeight);
}

void InfoDialog::set_link_opener(const ShellOpener& opener) {
  email_link_.set_opener(opener);
  home_page_link_.set_opener(opener);
  member_link_.set_opener(opener);
}

bool InfoDialog::OnCreate() {
  name_font_ = CreateUiFont(L"Arial", -19, true);
  link_font_ = CreateUiFont(kDialogFontFace, kDialogFontHeight, false, true);
  logo_.reset(LoadBitmapResource(IDB_LOGO));
  association_logo_.reset(LoadBitmapResource(IDB_ASSOCIATION));
  tick_glyph_.reset(LoadBitmapResource(IDB_TICK));
  lips_glyph_.reset(LoadBitmapResource(IDB_TONGUE));

  const auto font = dialog_font();
  const auto link_font = static_cast<HFONT>(link_font_.get());
  // OK comes first in the tab order, the language button second.
  if (!ok_button_.Create(handle(), kOkId, ToRect(kOkButton), static_cast<HBITMAP>(tick_glyph_.get()), 2, font)) {
    return Refuse(L"the OK button");
  }
  ok_button_.SetCaption(L"OK");
  if (!tongue_button_.Create(handle(), kTongueId, ToRect(kTongueButton), static_cast<HBITMAP>(lips_glyph_.get()),
                             1, font)) {
    return Refuse(L"the language button");
  }
  set_first_focus(ok_button_.handle());

  if (!email_link_.Create(handle(), kEmailLink, {Utf8ToWide(maker::kEmail), L"", kYellow, false}, link_font) ||
      !home_page_link_.Create(handle(), kHomePageLink, {Utf8ToWide(maker::kHomePage), L"", kYellow, false},
                              link_font) ||
      !member_link_.Create(handle(), kMemberLink,
                           {Utf8ToWide(maker::kAssociation), Utf8ToWide(maker::kAssociationPage), kBlue, true},
                           link_font)) {
    return Refuse(L"a link");
  }
  return true;
}

void InfoDialog::ApplyTexts() {
  const InfoTexts texts = InfoTextsFor(language());
  SetWindowTextW(handle(), Utf8ToWide(texts.caption).c_str());
  coded_text_ = Utf8ToWide(texts.coded_in);
  member_of_text_ = Utf8ToWide(texts.member_of);
  program_text_ = Utf8ToWide(texts.program);
  tongue_button_.SetCaption(Utf8ToWide(texts.tongue_button));
  InvalidateRect(handle(), nullptr, TRUE);
}

void InfoDialog::OnPaint(HDC dc) {
  const auto font = dialog_font();
  const auto label = [dc](const RECT& bounds, const std::wstring& text, UINT format, HFONT font) {
    LabelStyle style;
    style.font = font;
    style.format = format;
    DrawLabel(dc, bounds, text, style);
  };

  DrawLoweredBevel(dc, ToRect(kUpperBevel));
  DrawPicture(dc, static_cast<HBITMAP>(logo_.get()), kLogoAt.x, kLogoAt.y);
  label(ToRect(kProductNameLabel), Utf8ToWide(maker::kProductName), kOneLine, static_cast<HFONT>(name_font_.get()));
  label(ToRect(kVersionLabel), kVersion, kOneLine, font);
  label(ToRect(kCodedLabel), coded_text_, kOneLine, font);
  DrawMainIcon(dc, kIconAt.x, kIconAt.y);
  label(At(kCopyrightAt), L"\u00A9", kAutoSized, font);
  label(At(kAuthorAt), Utf8ToWide(maker::kAuthor), kAutoSized, font);
  label(At(kStreetAt), Utf8ToWide(maker::kStreet), kAutoSized, font);
  label(At(kTownAt), Utf8ToWide(maker::kTown), kAutoSized, font);
  label(ToRect(kEmailCaption), L"E-Mail:", kRightAligned, font);
  label(ToRect(kHomePageCaption), L"Homepage:", kRightAligned, font);

  DrawLoweredBevel(dc, ToRect(kLowerBevel));
  DrawPicture(dc, static_cast<HBITMAP>(association_logo_.get()), kAssociationLogoAt.x, kAssociationLogoAt.y);
  label(ToRect(kMemberOfLabel), member_of_text_, kWrapped, font);
  label(ToRect(kAssociationShortLabel), Utf8ToWide(maker::kAssociationShort), kWrapped, font);
  label(ToRect(kProgramLabel), program_text_, kWrapped, font);
}

void InfoDialog::OnCommand(int id, HWND /*control*/) {
  if (id == kOkId) set_modal_result(kModalOk);
  if (id == kTongueId) TongBtnClick();
}

void InfoDialog::TongBtnClick() {
  if (language_dialog_ != nullptr) language_dialog_->ShowModal();
  ApplyTexts();
}

}  // namespace verlumo
