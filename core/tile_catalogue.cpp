// The tile catalogue as literal tables: the edge codes of every tile picture, written the way
// the level designers read them, and the few marker anchors that leave the tile's centre.
#include "core/tile_catalogue.h"

#include <array>
#include <initializer_list>
#include <string_view>

namespace verlumo {
namespace {

// Each group of four digits is one code's edge codes: right, top, left, bottom. The ten groups
// of a row are the ten codes of that row's range, in ascending order.
constexpr std::array<std::string_view, 20> kEdgeRows = {
    /*   0-9   */ "0000 0101 1010 1111 1100 0110 0011 1001 0102 0201",
    /*  10-19  */ "2010 1020 0202 2020 2222 2121 1212 2200 1200 2100",
    /*  20-29  */ "0220 0210 0120 0022 0012 0021 2002 1002 2001 3030",
    /*  30-39  */ "0303 3131 1313 3333 3300 0330 0033 3003 0010 1000",
    /*  40-49  */ "0100 0001 0313 3031 1303 3130 3232 2323 3333 3333",
    /*  50-59  */ "3310 3013 1330 1033 3301 0331 3103 0133 1111 1000",
    /*  60-69  */ "0100 0010 0001 1110 0111 1011 1101 1310 0131 1013",
    /*  70-79  */ "3101 3330 0333 3033 3303 1133 3113 3311 1331 1130",
    /*  80-89  */ "1103 0113 3110 3011 0311 1301 1031 3111 1311 1131",
    /*  90-99  */ "1113 0000 0000 0000 1010 0101 2020 0202 0000 0000",
    /* 100-109 */ "0010 0000 0000 0300 3330 0000 0000 2020 2020 2020",
    /* 110-119 */ "0000 0000 1000 3000 0000 0000 0000 0000 0000 0000",
    /* 120-129 */ "0000 0000 0000 0000 0000 0001 3000 0202 0202 0202",
    /* 130-139 */ "0000 0000 0000 0000 0000 0000 0000 0000 0000 0000",
    /* 140-149 */ "0300 0030 0003 3000 3030 0303 0300 0003 0030 3000",
    /* 150-159 */ "0000 0000 0000 0000 0000 0000 0000 0000 0000 0000",
    /* 160-169 */ "3000 0030 0000 0003 3030 0300 0000 0000 2020 0202",
    /* 170-179 */ "3030 0303 3300 0330 0033 3003 0000 0000 0000 0000",
    /* 180-189 */ "0030 0303 3030 3000 0300 0003 1100 0110 0011 1001",
    /* 190-199 */ "0101 1010 0000 0000 0303 3030 0000 0000 0000 0000",
};

struct AnchorGroup {
  PixelOffset anchor;
  std::initializer_list<int> codes;
};

// Every code not listed here carries the marker in the middle of its tile, at (13, 13).
constexpr PixelOffset kCentredAnchor{13, 13};
constexpr std::initializer_list<AnchorGroup> kAnchorGroups = {
    {{19, 7}, {4, 17, 18, 19, 34, 52, 56, 79, 80}},
    {{7, 7}, {5, 20, 21, 22, 35, 50, 57, 81, 82}},
    {{7, 19}, {6, 23, 24, 25, 36, 51, 55, 83, 84}},
    {{19, 19}, {7, 26, 27, 28, 37, 53, 54, 85, 86}},
    {{7, 13}, {42}},
    {{13, 19}, {43}},
    {{19, 13}, {44}},
    {{13, 7}, {45}},
};

constexpr int kCodesPerRow = 10;
constexpr std::size_t kGroupWidth = 5;  // four digits and the space before the next group

// Turns the printed rows into edge words while compiling; a slip in a row stops the build.
consteval std::array<EdgeWord, kCataloguedCodes> BuildEdgeWords() {
  std::array<EdgeWord, kCataloguedCodes> words{};
  for (int row = 0; row < static_cast<int>(kEdgeRows.size()); ++row) {
    const std::string_view text = kEdgeRows[row];
    if (text.size() != kCodesPerRow * kGroupWidth - 1) throw "an edge row needs ten groups";
    for (int group = 0; group < kCodesPerRow; ++group) {
      EdgeWord word = 0;
      for (int side = 0; side < 4; ++side) {
        const char digit = text[group * kGroupWidth + side];
        if (digit < '0' || digit > '3') throw "edge codes run from 0 to 3";
        word |= static_cast<EdgeWord>(digit - '0') << (8 * side);
      }
      words[row * kCodesPerRow + group] = word;
    }
  }
  return words;
}

consteval std::array<PixelOffset, kCataloguedCodes> BuildAnchors() {
  std::array<PixelOffset, kCataloguedCodes> anchors{};
  anchors.fill(kCentredAnchor);
  for (const AnchorGroup& group : kAnchorGroups) {
    for (const int code : group.codes) anchors[code] = group.anchor;
  }
  return anchors;
}

constexpr std::array<EdgeWord, kCataloguedCodes> kEdgeWords = BuildEdgeWords();
constexpr std::array<PixelOffset, kCataloguedCodes> kAnchors = BuildAnchors();

}  // namespace

bool IsCatalogued(TileCode code) { return code < kCataloguedCodes; }

EdgeWord EdgeWordOf(TileCode code) { return IsCatalogued(code) ? kEdgeWords[code] : 0; }

int EdgeCode(TileCode code, Side side) {
  return EdgeOfWord(EdgeWordOf(code), side);
}

bool IsMovable(TileCode code) { return code <= kLastMovableCode; }

bool IsSelectable(TileCode code) { return code >= 1 && code < kLastMovableCode; }

PixelOffset MarkerAnchor(TileCode code) {
  return IsCatalogued(code) ? kAnchors[code] : kCentredAnchor;
}

PixelOffset SheetPosition(TileCode code) {
  const int picture = IsCatalogued(code) ? code : kEmptyTile;
  return {(picture % kSheetColumns) * kTileSize, (picture / kSheetColumns) * kTileSize};
}

}  // namespace verlumo
