// The files the page's module holds in itself, so that its first board waits for no request for
// them: the level file and the toolbar's pictures (the build writes the table).
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace verlumo {

struct EmbeddedFile {
  const char* name;  // the file's name, without folders
  const unsigned char* bytes;
  std::size_t size;
};

std::span<const EmbeddedFile> EmbeddedFiles();

// The file of that name, or null.
inline const EmbeddedFile* FindEmbeddedFile(std::string_view name) {
  for (const EmbeddedFile& file : EmbeddedFiles()) {
    if (name == file.name) return &file;
  }
  return nullptr;
}

}  // namespace verlumo
