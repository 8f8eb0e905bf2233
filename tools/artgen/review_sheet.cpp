// Besides showing each file, the sheet composes the board area the way the game draws it
// (frame, tiles, the marker by AND and OR, a half-filled gauge, the level counter), because
// the pictures are meant to be judged together, not one by one.
#include "tools/artgen/review_sheet.h"

#include <algorithm>
#include <string>

#include "tools/artgen/contact_sheet.h"
#include "tools/artgen/image_ops.h"
#include "tools/artgen/noise.h"
#include "tools/artgen/tiles/tile_sheet.h"
#include "tools/artgen/toolbar_mock.h"

namespace artgen {

namespace {

constexpr int kSheetWidth = 2200;
constexpr int kTile = 48;

Image Tile(const Image& tiles, int code) {
  return Cropped(tiles, (code % 20) * kTile, (code / 20) * kTile, kTile, kTile);
}

// Copies a rectangle the way the game's drawing does: AND (mask) or OR (sprite).
void Combine(Image& dst, const Image& src, int sx, int sy, int w, int h, int dx, int dy,
             bool with_and) {
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      Rgb& d = dst.at(dx + x, dy + y);
      const Rgb s = src.at(sx + x, sy + y);
      if (with_and) {
        d = Rgb{static_cast<std::uint8_t>(d.r & s.r), static_cast<std::uint8_t>(d.g & s.g),
                static_cast<std::uint8_t>(d.b & s.b)};
      } else {
        d = Rgb{static_cast<std::uint8_t>(d.r | s.r), static_cast<std::uint8_t>(d.g | s.g),
                static_cast<std::uint8_t>(d.b | s.b)};
      }
    }
  }
}

void AddMarker(Image& dst, const Image& frame, int k, int x, int y) {
  Combine(dst, frame, 30 + 20 * k, 50, 20, 20, x, y, true);
  Combine(dst, frame, 30 + 20 * k, 30, 20, 20, x, y, false);
}

// A board area as a player might see it: movable tiles spread at random, the marker on one
// cell, and a gauge about one third full.
Image MockBoard(const Image& frame, const Image& tiles) {
  Image board = frame;
  for (int col = 0; col < 9; ++col) {
    for (int row = 0; row < 7; ++row) {
      const int code = 1 + static_cast<int>(Hash(col, row, 5) % 89);
      Paste(board, Tile(tiles, code), 22 + col * kTile, 20 + row * kTile);
    }
  }
  AddMarker(board, frame, 1, 22 + 4 * kTile + 13, 20 + 3 * kTile + 13);
  const int lit_rows = 105;
  Paste(board, Cropped(frame, 415, 32, 31, 315 - lit_rows), 469, 32);
  return board;
}

// A sound's waveform: one column per stretch of samples, from its lowest to its highest value.
Image Waveform(const Bytes& wav) {
  constexpr size_t kHeader = 44;
  const size_t samples = wav.size() > kHeader ? wav.size() - kHeader : 0;
  const int width = 600, height = 64;
  Image picture(width, height, Rgb{16, 24, 32});
  for (int x = 0; x < width && samples > 0; ++x) {
    const size_t from = samples * x / width, to = std::max(from + 1, samples * (x + 1) / width);
    int low = 255, high = 0;
    for (size_t i = from; i < to; ++i) {
      low = std::min<int>(low, wav[kHeader + i]);
      high = std::max<int>(high, wav[kHeader + i]);
    }
    for (int v = low; v <= high; ++v)
      picture.at(x, (255 - v) * (height - 1) / 255) = Rgb{120, 220, 140};
  }
  return picture;
}

void AddTiles(ContactSheet& sheet, const Image& tiles) {
  sheet.Section("Tiles (tiles.bmp), by code");
  for (int code = 0; code < 200; ++code) sheet.Add(std::to_string(code), Tile(tiles, code), 2);
}

void AddScenes(ContactSheet& sheet, const Image& tiles) {
  sheet.Section("Scenes assembled from the tile sheet");
  for (const ScenePreview& scene : DrawScenePreviews(tiles)) sheet.Add(scene.title, scene.image, 2);
}

void AddBoardArea(ContactSheet& sheet, const Image& frame, const Image* tiles) {
  sheet.Section("Board area (frame.bmp) and marker");
  sheet.Add("frame.bmp", frame, 2);
  if (tiles != nullptr) sheet.Add("composed board, gauge one third", MockBoard(frame, *tiles), 2);
  for (int k = 0; k < 8; ++k) {
    Image cell = tiles != nullptr ? Tile(*tiles, 3) : Image(kTile, kTile, Rgb{90, 150, 70});
    AddMarker(cell, frame, k, 13, 13);
    sheet.Add("frame " + std::to_string(k),
              SideBySide({Cropped(frame, 30 + 20 * k, 30, 20, 20),
                          Cropped(frame, 30 + 20 * k, 50, 20, 20)}),
              5);
    sheet.Add("on a tile", cell, 4);
  }
}

}  // namespace

Image ReviewSheet(const std::vector<Asset>& assets) {
  ContactSheet sheet(kSheetWidth);
  const Asset* tiles = FindAsset(assets, "tiles.bmp");
  const Asset* frame = FindAsset(assets, "frame.bmp");
  if (tiles != nullptr) {
    AddTiles(sheet, tiles->preview);
    AddScenes(sheet, tiles->preview);
  }
  if (frame != nullptr) AddBoardArea(sheet, frame->preview, tiles ? &tiles->preview : nullptr);
  if (const Asset* glyphs = FindAsset(assets, "glyphs.bmp")) {
    sheet.Section("Level counter (glyphs.bmp)");
    sheet.Add("glyphs.bmp", glyphs->preview, glyphs->preview_scale);
    sheet.Add("level 7, unsolved", LevelCounter(glyphs->preview, 7, false), 5);
    sheet.Add("level 305, solved", LevelCounter(glyphs->preview, 305, true), 5);
    sheet.Add(
        "level 10 / 12 / 48 / 69",
        SideBySide(
            {LevelCounter(glyphs->preview, 10, true), LevelCounter(glyphs->preview, 12, false),
             LevelCounter(glyphs->preview, 48, true), LevelCounter(glyphs->preview, 69, false)}),
        3);
  }
  sheet.Section("Toolbar");
  sheet.Add("toolbar, actual size", ToolbarMock(assets), 1);
  sheet.Add("toolbar, twice the size", ToolbarMock(assets), 2);
  sheet.Section("Sounds and pictures");
  for (const Asset& asset : assets) {
    if (&asset == tiles || &asset == frame || asset.file_name == "glyphs.bmp") continue;
    if (asset.preview.width == 0) {
      sheet.Add(asset.file_name, Waveform(asset.bytes), 1);
    } else {
      sheet.Add(asset.file_name, asset.preview, asset.preview_scale);
    }
  }
  return sheet.Render();
}

}  // namespace artgen
