// Painting every scene and cutting its cells into the sheet.
#include "tools/artgen/tiles/tile_sheet.h"

#include <stdexcept>
#include <string>

#include "core/tile_catalogue.h"
#include "tools/artgen/tiles/fixed_ground.h"
#include "tools/artgen/tiles/piece_relief.h"
#include "tools/artgen/tiles/scene.h"
#include "tools/artgen/tiles/tile_canvas.h"

namespace artgen {

Image DrawFlatTileSheet(tiles::GrassFill grass) {
  using tiles::Scene;
  const int columns = verlumo::kSheetColumns;
  const int rows = verlumo::kCataloguedCodes / columns;
  Image sheet(columns * tiles::kCell, rows * tiles::kCell);
  std::vector<bool> drawn(verlumo::kCataloguedCodes, false);

  std::vector<Scene> scenes = tiles::MovableScenes();
  for (auto group : {tiles::WaterScenes, tiles::RailScenes, tiles::BuildingScenes, tiles::CountrysideScenes}) {
    for (Scene& scene : group()) scenes.push_back(std::move(scene));
  }
  for (const Scene& scene : scenes) {
    tiles::TileCanvas canvas(scene.columns, scene.rows, grass);
    scene.paint(canvas.cr());
    for (const tiles::Cut& cut : scene.cuts) {
      if (drawn[cut.code]) throw std::logic_error("tile " + std::to_string(cut.code) + " is painted twice");
      drawn[cut.code] = true;
      const verlumo::PixelOffset at = verlumo::SheetPosition(cut.code);
      canvas.CopyCell(cut.column, cut.row, sheet, at.x, at.y);
    }
  }
  for (int code = 0; code < verlumo::kCataloguedCodes; ++code) {
    if (!drawn[code]) throw std::logic_error("tile " + std::to_string(code) + " has no picture");
  }
  return sheet;
}

Image DrawTileSheet() {
  Image sheet = DrawFlatTileSheet();
  const Image on_black = DrawFlatTileSheet(tiles::GrassFill::Black);
  const Image on_white = DrawFlatTileSheet(tiles::GrassFill::White);
  for (int code = 0; code < verlumo::kCataloguedCodes; ++code) {
    const verlumo::PixelOffset at = verlumo::SheetPosition(static_cast<verlumo::TileCode>(code));
    if (verlumo::IsMovable(static_cast<verlumo::TileCode>(code))) {
      tiles::LightCell(sheet, at.x, at.y, tiles::RaisedPiece());
    } else {
      tiles::LayFixedGround(sheet, {on_black, on_white}, at.x, at.y);
    }
  }
  return sheet;
}

}  // namespace artgen
