// Resource numbers shared by the resource script and the game's code.
#pragma once

#define IDI_MAINICON 1

// Toolbar button pictures; those with a greyed second image hold both side by side.
#define IDB_NEWGAME 101
#define IDB_RESTART 102
#define IDB_LOAD 103
#define IDB_SAVE 104
#define IDB_SOUND 105
#define IDB_EXIT 106
#define IDB_PREVIOUS 107
#define IDB_NEXT 108
#define IDB_TONGUE 109
#define IDB_RULES 110
#define IDB_INFO 111
#define IDB_ZORBEL 112

// Dialog pictures.
#define IDB_SMILE 121
#define IDB_AGAIN 122
#define IDB_CROSS 123
#define IDB_TICK 124
#define IDB_FLAGS_ENGLISH 125
#define IDB_FLAGS_GERMAN 126
#define IDB_LOGO 127
#define IDB_ASSOCIATION 128
#define IDB_SPLASH 129

// The bitmap list and the sound list, each item an asset record.
#define IDR_BITMAP_LIST_FIRST 201  // tile sheet, frame sheet, glyph sheet: 201 to 203
#define IDR_SOUND_LIST_FIRST 211   // solved sound, click sound: 211 and 212
#define RT_ASSET_RECORD 256
