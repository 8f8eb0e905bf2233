// Screen capture and board recognition.
#include "tests/e2e/screen_reader.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "view/asset_record.h"
#include "view/bmp_image.h"

namespace verlumo::e2e {

namespace {

// The rectangle (x, y, width, height) of the device context, read back through a 32-bit DIB.
Pixels CaptureFrom(HDC dc, int x, int y, int width, int height) {
  Pixels pixels;
  pixels.width = width;
  pixels.height = height;
  pixels.rgb.resize(static_cast<std::size_t>(width) * height);
  HDC memory = CreateCompatibleDC(dc);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, dc, x, y, SRCCOPY);
  GdiFlush();
  const auto* source = static_cast<const std::uint32_t*>(bits);
  for (std::size_t i = 0; i < pixels.rgb.size(); ++i) pixels.rgb[i] = source[i] & 0xFFFFFF;
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  return pixels;
}

}  // namespace

Pixels CaptureClient(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  HDC window_dc = GetDC(window);
  Pixels pixels = CaptureFrom(window_dc, 0, 0, client.right, client.bottom);
  ReleaseDC(window, window_dc);
  return pixels;
}

Pixels CaptureScreen(const RECT& area) {
  HDC screen = GetDC(nullptr);
  Pixels pixels = CaptureFrom(screen, area.left, area.top, area.right - area.left, area.bottom - area.top);
  ReleaseDC(nullptr, screen);
  return pixels;
}

Pixels Crop(const Pixels& pixels, int left, int top, int width, int height) {
  Pixels part;
  part.width = width;
  part.height = height;
  part.rgb.reserve(static_cast<std::size_t>(width) * height);
  for (int y = top; y < top + height; ++y) {
    for (int x = left; x < left + width; ++x) part.rgb.push_back(pixels.at(x, y));
  }
  return part;
}

Pixels LoadSheet(const std::wstring& program_file, int index) {
  Pixels sheet;
  HMODULE module = LoadLibraryExW(program_file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) return sheet;
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(201 + index), MAKEINTRESOURCEW(256));
  HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes != nullptr) {
    const ParsedAsset record = ParseAssetRecord(static_cast<const std::uint8_t*>(bytes), SizeofResource(module, found));
    const DecodedBmp decoded = DecodeBmp(record.record.data);
    sheet.width = decoded.width;
    sheet.height = decoded.height;
    sheet.rgb = decoded.pixels;
  }
  FreeLibrary(module);
  return sheet;
}

void SaveBmp(const Pixels& pixels, const std::wstring& path) {
  const std::size_t stride = (static_cast<std::size_t>(pixels.width) * 3 + 3) / 4 * 4;
  std::vector<std::uint8_t> file(54 + stride * pixels.height, 0);
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, static_cast<std::uint32_t>(file.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(pixels.width));
  put32(22, static_cast<std::uint32_t>(pixels.height));
  file[26] = 1;
  file[28] = 24;
  for (int y = 0; y < pixels.height; ++y) {
    std::uint8_t* row = &file[54 + stride * (pixels.height - 1 - y)];
    for (int x = 0; x < pixels.width; ++x) {
      const std::uint32_t rgb = pixels.at(x, y);
      row[3 * x] = rgb & 0xFF;
      row[3 * x + 1] = (rgb >> 8) & 0xFF;
      row[3 * x + 2] = (rgb >> 16) & 0xFF;
    }
  }
  if (std::FILE* out = _wfopen(path.c_str(), L"wb")) {
    std::fwrite(file.data(), 1, file.size(), out);
    std::fclose(out);
  }
}

ScreenBoard ReadBoard(const Pixels& area, const Pixels& sheet, const std::vector<TileCode>& codes) {
  ScreenBoard read;
  long worst = -1;
  for (int column = 0; column < kColumns; ++column) {
    for (int row = 0; row < kRows; ++row) {
      const int left = 22 + column * 48, top = 20 + row * 48;
      long best = std::numeric_limits<long>::max();
      for (TileCode code : codes) {
        const PixelOffset at = SheetPosition(code);
        long differing = 0;
        for (int y = 0; y < 48 && differing < best; ++y) {
          for (int x = 0; x < 48; ++x) differing += area.at(left + x, top + y) != sheet.at(at.x + x, at.y + y);
        }
        if (differing < best) {
          best = differing;
          read.board[CellIndex(column, row)] = code;
        }
      }
      if (best > worst) {
        worst = best;
        read.selected_column = column;
        read.selected_row = row;
      }
    }
  }
  if (worst == 0) read.selected_column = read.selected_row = -1;  // no marker anywhere
  return read;
}

namespace {

struct ChildSearch {
  const wchar_t* class_name;
  int width, height;
  HWND found;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM search_address) {
  auto* search = reinterpret_cast<ChildSearch*>(search_address);
  wchar_t class_name[64] = {};
  GetClassNameW(child, class_name, 64);
  RECT client{};
  GetClientRect(child, &client);
  if (wcscmp(class_name, search->class_name) == 0 && client.right == search->width &&
      client.bottom == search->height) {
    search->found = child;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND FindChild(HWND parent, const wchar_t* class_name, int width, int height) {
  ChildSearch search{class_name, width, height, nullptr};
  EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace verlumo::e2e
