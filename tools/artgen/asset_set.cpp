// Which picture or sound goes into which file, in which format.
#include "tools/artgen/asset_set.h"

#include <fstream>
#include <stdexcept>

#include "midend/layout.h"
#include "tools/artgen/bmp_writer.h"
#include "tools/artgen/button_picture.h"
#include "tools/artgen/dialog_pictures.h"
#include "tools/artgen/flag_pictures.h"
#include "tools/artgen/frame_sheet.h"
#include "tools/artgen/glyph_sheet.h"
#include "tools/artgen/ico_writer.h"
#include "tools/artgen/image_ops.h"
#include "tools/artgen/installer_pictures.h"
#include "tools/artgen/paint.h"
#include "tools/artgen/palette.h"
#include "tools/artgen/sounds.h"
#include "tools/artgen/tiles/tile_sheet.h"
#include "tools/artgen/title_pictures.h"
#include "tools/artgen/toolbar_pictures.h"
#include "tools/artgen/wav_writer.h"
#include "tools/artgen/window_icon.h"

namespace artgen {

namespace {

Asset Bmp24(const std::string& name, const Image& image, int scale) {
  return Asset{name, EncodeBmp24(image), image, scale};
}

// A keyed glyph picture; its preview shows it on the button face, as the game will.
Asset Glyph(const std::string& name, const Image& image) {
  Image preview = image;
  for (Rgb& pixel : preview.pixels) {
    if (pixel == kTransparentKey) pixel = kButtonFace;
  }
  return Asset{name, EncodeBmp24(image), preview, 8};
}

// A picture reduced to 256 colours (8-bit file) or 16 colours (4-bit file).
Asset Palettised(const std::string& name, const Image& image, int colours, int scale) {
  const IndexedImage indexed = Quantise(image, colours);
  return Asset{name, EncodeBmpIndexed(indexed, colours == 16 ? 4 : 8), Expanded(indexed), scale};
}

// The icon's images side by side on the button face, each with its own mask or alpha.
Asset Icon(const std::string& name, const std::vector<IconImage>& images) {
  std::vector<Image> shown;
  for (const IconImage& image : images) {
    const Image colours = image.indexed.palette.empty() ? image.rgb : Expanded(image.indexed);
    Image on_face(image.size, image.size, kButtonFace);
    for (size_t i = 0; i < on_face.pixels.size(); ++i) {
      const double alpha =
          image.alpha.empty() ? (image.opaque[i] ? 1.0 : 0.0) : image.alpha[i] / 255.0;
      on_face.pixels[i] = Mix(kButtonFace, colours.pixels[i], alpha);
    }
    shown.push_back(on_face);
  }
  return Asset{name, EncodeIco(images), SideBySide(shown, kButtonFace), 6};
}

// A list of picture files, one a line, named name; each must be among the assets.
Asset PictureList(const char* name, const std::vector<verlumo::Picture>& pictures, const std::vector<Asset>& assets) {
  std::string list;
  for (const verlumo::Picture& picture : pictures) {
    const std::string file_name = std::string(picture.stem) + ".bmp";
    if (FindAsset(assets, file_name) == nullptr) {
      throw std::runtime_error("the layout places " + file_name + ", which is not drawn");
    }
    list += file_name + "\n";
  }
  return Asset{name, Bytes(list.begin(), list.end()), {}, 1};
}

}  // namespace

std::vector<Asset> MakeAssets() {
  std::vector<Asset> assets;
  assets.push_back(Bmp24("tiles.bmp", DrawTileSheet(), 1));
  assets.push_back(Bmp24("frame.bmp", DrawFrameSheet(), 2));
  const IndexedImage glyphs = DrawGlyphSheet();
  assets.push_back(Asset{"glyphs.bmp", EncodeBmpIndexed(glyphs, 8), Expanded(glyphs), 6});
  assets.push_back(Asset{"solved.wav", EncodeWav8Mono(SolvedTune(), kSolvedRate), {}, 1});
  assets.push_back(Asset{"click.wav", EncodeWav8Mono(ClickSound(), kClickRate), {}, 1});

  for (const NamedPicture& button : ToolbarButtonPictures()) assets.push_back(Glyph(button.file_name, button.image));

  assets.push_back(Glyph("dlg_smile.bmp", DrawSmileGlyph()));
  assets.push_back(Glyph("dlg_again.bmp", DrawCurvedArrowGlyph()));
  assets.push_back(Glyph("dlg_cross.bmp", DrawCrossGlyph()));
  assets.push_back(Glyph("dlg_tick.bmp", DrawTickGlyph()));
  assets.push_back(Glyph("flags_english.bmp", DrawEnglishFlags()));
  assets.push_back(Glyph("flags_german.bmp", DrawGermanFlags()));

  assets.push_back(Icon("verlumo.ico", DrawWindowIcon()));
  assets.push_back(Palettised("logo.bmp", DrawInfoLogo(), 256, 3));
  assets.push_back(Palettised("association.bmp", DrawAssociationLogo(), 16, 3));
  assets.push_back(Palettised("splash.bmp", DrawSplashPicture(), 256, 2));
  assets.push_back(Bmp24("setup_welcome.bmp", DrawInstallerWelcome(), 2));
  assets.push_back(Bmp24("setup_header.bmp", DrawInstallerHeader(), 2));
  // Every picture the toolbar and the dialogs place, for the resource script and the page; the
  // toolbar's alone, which the page's module holds.
  assets.push_back(PictureList("pictures.txt", verlumo::LaidOutPictures(), assets));
  assets.push_back(PictureList("toolbar-pictures.txt", verlumo::ToolbarPictures(), assets));
  return assets;
}

void WriteAssets(const std::string& folder, const std::vector<Asset>& assets) {
  for (const Asset& asset : assets) {
    const std::string path = folder + "/" + asset.file_name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(asset.bytes.data()),
              static_cast<std::streamsize>(asset.bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path);
  }
}

const Asset* FindAsset(const std::vector<Asset>& assets, const std::string& file_name) {
  for (const Asset& asset : assets) {
    if (asset.file_name == file_name) return &asset;
  }
  return nullptr;
}

}  // namespace artgen
