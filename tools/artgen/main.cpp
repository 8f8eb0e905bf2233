// verlumo_artgen OUTDIR: draws all of the game's art and synthesises its sounds, writes them as
// the files the resource script embeds, and adds contact.png, a labelled overview of everything
// (every tile by code, the preview scenes, the board area composed as the game draws it, the
// toolbar, every other picture enlarged, the sounds as waveforms).
//
// The files, the same byte for byte on every run:
//   tiles.bmp        960 x 480, 24-bit   tile sheet (code c at (c mod 20) * 48, (c div 20) * 48)
//   frame.bmp        520 x 376, 24-bit   board background with marker frames and gauge strips
//   glyphs.bmp       148 x 20, 8-bit     LED digits, blank digit, solved and unsolved face
//   solved.wav       PCM mono 8-bit 22050 Hz, 77992 samples; click.wav 11025 Hz, 661 samples
//   verlumo.ico      window icon: 32 x 32 in 16 colours, 32 x 32 and 16 x 16 in true colour
//   btn_newgame.bmp (bomb), btn_restart.bmp (U-turn arrow), btn_load.bmp, btn_save.bmp
//     (floppy with arrow in / out), btn_sound.bmp (loudspeaker), btn_exit.bmp (door),
//     btn_prev.bmp / btn_next.bmp (triangles), btn_tongue.bmp (lips), btn_rules.bmp (section
//     sign ball), btn_info.bmp (i ball), btn_zorbel.bmp (maker's emblem)   toolbar glyphs
//   dlg_smile.bmp, dlg_again.bmp (curved arrow), dlg_cross.bmp, dlg_tick.bmp   dialog glyphs;
//     the bomb and door of the dialogs are btn_newgame.bmp and btn_exit.bmp
//   flags_english.bmp (53 x 20), flags_german.bmp (80 x 20)   language dialog glyphs
//   logo.bmp (100 x 75, 8-bit), association.bmp (119 x 68, 4-bit), splash.bmp (200 x 150, 8-bit)
//   setup_welcome.bmp (164 x 314), setup_header.bmp (150 x 57), 24-bit   the installer's pages
//   app-icon-192.png, app-icon-512.png   the window icon's drawing as the web page's app icon
//
// Transparency: the glyph pictures (btn_*, dlg_*, flags_*) follow the classic convention of
// Windows button glyphs: the colour of the bottom-left pixel, magenta (255, 0, 255), is
// transparent, and that pixel is always background. Anti-aliased edges are already smoothed
// against the button face (212, 208, 200). Glyphs with a disabled state (btn_restart, btn_load,
// btn_save, btn_sound, btn_prev, btn_next, dlg_again, dlg_cross, dlg_tick) hold the normal and
// the greyed image side by side, each half as wide as the file. The icon carries its own
// transparency mask; the logos, the splash and installer pictures and the sheets are opaque.
#include <exception>
#include <filesystem>
#include <iostream>

#include "tools/artgen/asset_set.h"
#include "tools/artgen/contact_sheet.h"
#include "tools/artgen/review_sheet.h"
#include "tools/artgen/window_icon.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: verlumo_artgen OUTDIR\n";
    return 2;
  }
  const std::string folder = argv[1];
  try {
    std::filesystem::create_directories(folder);
    const std::vector<artgen::Asset> assets = artgen::MakeAssets();
    artgen::WriteAssets(folder, assets);
    artgen::WritePng(folder + "/contact.png", artgen::ReviewSheet(assets));
    for (const int size : {192, 512}) artgen::WriteAppIcon(folder + "/app-icon-" + std::to_string(size) + ".png", size);
  } catch (const std::exception& error) {
    std::cerr << "verlumo_artgen: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
