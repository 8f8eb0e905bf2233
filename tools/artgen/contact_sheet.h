// A contact sheet: many labelled pictures on one large page, grouped in titled sections and
// enlarged where small, so a person can judge all the art at a glance.
#pragma once

#include <cstddef>  // size_t, which image.h uses
#include <string>
#include <vector>

#include "tools/artgen/image.h"

namespace artgen {

class ContactSheet {
 public:
  explicit ContactSheet(int width) : width_(width) {}

  void Section(const std::string& title);
  // The picture is shown enlarged by `scale` (whole pixels, no smoothing) with the label under it.
  void Add(const std::string& label, const Image& image, int scale);

  Image Render() const;

 private:
  struct Entry {
    bool is_section = false;
    std::string text;
    Image image;
    int scale = 1;
  };
  int width_;
  std::vector<Entry> entries_;
};

// Writes a picture as a PNG file; throws when the file cannot be written.
void WritePng(const std::string& path, const Image& image);

}  // namespace artgen
