// The results a modal dialog ends with. The game's dialogs and the rules that ask them share
// these numbers; only kModalYes counts as consent.
#pragma once

namespace verlumo {

constexpr int kModalOk = 1;
constexpr int kModalCancel = 2;  // also when a dialog is closed by its title-bar button
constexpr int kModalYes = 6;
constexpr int kModalNo = 7;

}  // namespace verlumo
