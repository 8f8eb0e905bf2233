// Loads the DejaVu faces through FreeType once per run. They are kept until the process ends on
// purpose: cairo font faces refer to the FreeType faces they were made from, and cairo caches
// scaled fonts beyond any one picture.
#include "tools/artgen/font.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <stdexcept>
#include <string>

namespace artgen {

namespace {

constexpr const char* kFontDirectory = "/usr/share/fonts/truetype/dejavu/";

const char* FileOf(Typeface face) {
  switch (face) {
    case Typeface::SansBold:
      return "DejaVuSans-Bold.ttf";
    case Typeface::Sans:
      return "DejaVuSans.ttf";
    case Typeface::SerifBold:
      return "DejaVuSerif-Bold.ttf";
  }
  return "";
}

class FaceCache {
 public:
  FaceCache() {
    if (FT_Init_FreeType(&library_) != 0) throw std::runtime_error("cannot start FreeType");
  }
  FaceCache(const FaceCache&) = delete;
  FaceCache& operator=(const FaceCache&) = delete;

  cairo_font_face_t* get(Typeface which) {
    const auto index = static_cast<size_t>(which);
    if (cairo_faces_[index] == nullptr) {
      const std::string path = std::string(kFontDirectory) + FileOf(which);
      FT_Face ft_face = nullptr;
      if (FT_New_Face(library_, path.c_str(), 0, &ft_face) != 0) {
        throw std::runtime_error("cannot load font " + path + " (package fonts-dejavu-core)");
      }
      cairo_faces_[index] = cairo_ft_font_face_create_for_ft_face(ft_face, 0);
    }
    return cairo_faces_[index];
  }

 private:
  FT_Library library_ = nullptr;
  std::array<cairo_font_face_t*, 3> cairo_faces_{};
};

}  // namespace

void UseTypeface(cairo_t* cr, Typeface face, double size) {
  static FaceCache cache;
  cairo_set_font_face(cr, cache.get(face));
  cairo_set_font_size(cr, size);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
}

}  // namespace artgen
