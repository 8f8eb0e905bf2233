// The pictures of the layout, each a bitmap resource of verlumo.rc named by its stem.
#include "shell/dialogs/laid_out.h"

#include <cctype>
#include <string>

namespace verlumo {

RECT ToRect(const Box& box) { return {box.left, box.top, box.left + box.width, box.top + box.height}; }

// The resource script names each picture by its stem in capitals, as resource compilers keep
// names.
HBITMAP LoadPictureResource(const Picture& picture) {
  std::wstring name;
  for (const char* c = picture.stem; *c != '\0'; ++c) name += static_cast<wchar_t>(std::toupper(*c));
  return static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

}  // namespace verlumo
