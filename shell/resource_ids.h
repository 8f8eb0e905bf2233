// Resource numbers shared by the resource script and the game's code.
#pragma once

#define IDI_MAINICON 1

// The bitmap list and the sound list, each item an asset record.
#define IDR_BITMAP_LIST_FIRST 201  // tile sheet, frame sheet, glyph sheet: 201 to 203
#define IDR_SOUND_LIST_FIRST 211   // solved sound, click sound: 211 and 212
#define RT_ASSET_RECORD 256
