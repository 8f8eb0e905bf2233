// Placing scenery pieces and laying rivers and railways. What a chain tile is (which sides its
// water or track leaves by, which road it carries across) is read from the scenery catalogue,
// so the planner holds no list of codes of its own.
#include "tools/levels/scenery_planner.h"

#include <algorithm>
#include <vector>

#include "core/board.h"

namespace verlumo::levels {
namespace {

using scenery::NeighbourRule;
using scenery::Piece;

using SideSet = unsigned;  // bit s set: side s

constexpr SideSet Bit(Side side) { return 1u << static_cast<int>(side); }

// A one-cell piece of a river or railway: the sides its chain leaves by and the road, if any,
// that crosses it on the other two sides.
struct ChainTile {
  TileCode code;
  std::string_view family;
  SideSet open;
  bool carries_road;
};

const std::vector<ChainTile>& ChainTiles() {
  static const std::vector<ChainTile> tiles = [] {
    std::vector<ChainTile> found;
    for (const Piece& piece : scenery::Pieces()) {
      if (!piece.chain || piece.cells.size() != 1) continue;
      const scenery::SceneryTile* tile = scenery::FindSceneryTile(piece.cells[0]);
      SideSet open = 0;
      for (Side side : kSides) {
        if (tile->sides[static_cast<int>(side)].rule == NeighbourRule::Part) open |= Bit(side);
      }
      found.push_back({tile->code, tile->family, open, EdgeWordOf(tile->code) != 0});
    }
    return found;
  }();
  return tiles;
}

// A chain piece one row high and several cells long, such as the railway station, which can
// stand on a straight stretch running left to right.
const Piece* HorizontalChainPiece(std::string_view family) {
  for (const Piece& piece : scenery::Pieces()) {
    if (!piece.chain || piece.rows != 1 || piece.columns < 2) continue;
    if (scenery::FindSceneryTile(piece.cells[0])->family == family) return &piece;
  }
  return nullptr;
}

struct CourseCell {
  int cell;
  Side in;   // the side facing where the chain comes from
  Side out;  // the side facing where it goes on
};

Side TurnedLeft(Side side) { return static_cast<Side>((static_cast<int>(side) + 1) % 4); }
Side TurnedRight(Side side) { return static_cast<Side>((static_cast<int>(side) + 3) % 4); }

// A course from a border cell inwards and out again through another border cell, through open
// cells only and never touching itself side to side. It may touch the border only where it
// enters and leaves, so no river runs along the edge of the board.
bool WalkCourse(const Draft& draft, LevelRandom& random, std::vector<CourseCell>& course) {
  constexpr int kShortest = 6;
  constexpr int kLongest = 20;
  course.clear();
  const Side entry = kSides[random.Below(4)];
  int start;
  switch (entry) {
    case Side::Top:
      start = CellIndex(random.Between(1, kColumns - 2), 0);
      break;
    case Side::Bottom:
      start = CellIndex(random.Between(1, kColumns - 2), kRows - 1);
      break;
    case Side::Left:
      start = CellIndex(0, random.Between(1, kRows - 2));
      break;
    default:
      start = CellIndex(kColumns - 1, random.Between(1, kRows - 2));
      break;
  }
  if (!draft.IsOpen(start)) return false;
  std::array<bool, kCells> used{};
  int cell = start;
  Side in = entry;
  for (;;) {
    used[cell] = true;
    const Side ahead = FacingSide(in);
    std::vector<Side> options = {ahead};
    if (!IsBorderCell(cell)) {
      // Turns: a straight stretch is three times as likely as either bend.
      options = {ahead, ahead, ahead, TurnedLeft(ahead), TurnedRight(ahead)};
      random.Shuffle(options);
    }
    bool moved = false;
    for (Side out : options) {
      const int next = NeighbourCell(cell, out);
      if (next == kOutside) {
        if (static_cast<int>(course.size()) + 1 < kShortest) continue;
        course.push_back({cell, in, out});
        return true;
      }
      if (!draft.IsOpen(next) || used[next]) continue;
      bool touches = false;
      for (Side side : kSides) {
        const int beside = NeighbourCell(next, side);
        if (beside != kOutside && beside != cell && used[beside]) touches = true;
      }
      if (touches) continue;
      // A border cell may only be where the chain leaves, straight on.
      if (IsBorderCell(next) && NeighbourCell(next, out) != kOutside) continue;
      course.push_back({cell, in, out});
      cell = next;
      in = FacingSide(out);
      moved = true;
      break;
    }
    if (!moved || static_cast<int>(course.size()) >= kLongest) return false;
  }
}

const ChainTile* PickChainTile(LevelRandom& random, std::string_view family, SideSet open,
                               bool carries_road) {
  std::vector<const ChainTile*> fitting;
  for (const ChainTile& tile : ChainTiles()) {
    if (tile.family == family && tile.open == open && tile.carries_road == carries_road) {
      fitting.push_back(&tile);
    }
  }
  if (fitting.empty()) return nullptr;
  return fitting[random.Below(static_cast<int>(fitting.size()))];
}

bool IsStraight(const CourseCell& step) { return step.out == FacingSide(step.in); }

// A crossing needs open cells on both sides of the chain, where roads can come to it.
bool CanCarryCrossing(const Draft& draft, const std::vector<CourseCell>& course, int index) {
  const CourseCell& step = course[index];
  if (!IsStraight(step)) return false;
  for (Side side : {TurnedLeft(step.out), TurnedRight(step.out)}) {
    const int beside = NeighbourCell(step.cell, side);
    if (beside == kOutside || !draft.IsOpen(beside)) return false;
    for (const CourseCell& other : course) {
      if (other.cell == beside) return false;
    }
  }
  return true;
}

// A road leaving the scenery needs room to go on: the open cell it faces must have another
// open cell beside it, unless a dead end of the same road kind could close it there.
bool RoadExitsCanGoOn(const Draft& draft) {
  for (int cell = 0; cell < kCells; ++cell) {
    if (!draft.IsOpen(cell)) continue;
    int open_around = 0;
    std::vector<int> kinds_in;
    for (Side side : kSides) {
      const int beside = NeighbourCell(cell, side);
      if (beside == kOutside) continue;
      if (draft.IsOpen(beside)) {
        ++open_around;
      } else {
        const int kind = EdgeCode(static_cast<TileCode>(draft.codes[beside]), FacingSide(side));
        if (kind != 0) kinds_in.push_back(kind);
      }
    }
    if (kinds_in.empty() || open_around > 0 || kinds_in.size() > 1) continue;
    // Only the ordinary road has movable dead ends.
    if (kinds_in[0] != 1) return false;
  }
  return true;
}

}  // namespace

int Draft::FixedCount() const {
  return static_cast<int>(
      std::count_if(codes.begin(), codes.end(), [](int code) { return code != kOpenCell; }));
}

bool FixedTilesFit(const Draft& draft) {
  for (int cell = 0; cell < kCells; ++cell) {
    if (draft.IsOpen(cell)) continue;
    const TileCode code = static_cast<TileCode>(draft.codes[cell]);
    const scenery::SceneryTile* tile = scenery::FindSceneryTile(code);
    if (tile == nullptr) return false;
    for (Side side : kSides) {
      const int neighbour = NeighbourCell(cell, side);
      if (neighbour == kOutside) {
        if (!scenery::Accepts(code, side, scenery::kOutsideBoard)) return false;
      } else if (!draft.IsOpen(neighbour)) {
        if (!scenery::Accepts(code, side, draft.codes[neighbour])) return false;
      } else if (tile->sides[static_cast<int>(side)].rule == NeighbourRule::Part) {
        return false;
      }
    }
  }
  return true;
}

bool TryPlacePiece(Draft& draft, const Piece& piece, int column, int row, bool keep_apart) {
  if (column < 0 || row < 0 || column + piece.columns > kColumns || row + piece.rows > kRows) {
    return false;
  }
  const auto inside_piece = [&](int cell) {
    const int dc = ColumnOf(cell) - column;
    const int dr = RowOf(cell) - row;
    return dc >= 0 && dr >= 0 && dc < piece.columns && dr < piece.rows;
  };
  for (int dr = 0; dr < piece.rows; ++dr) {
    for (int dc = 0; dc < piece.columns; ++dc) {
      const int cell = CellIndex(column + dc, row + dr);
      if (!draft.IsOpen(cell)) return false;
      if (!keep_apart) continue;
      for (Side side : kSides) {
        const int beside = NeighbourCell(cell, side);
        if (beside != kOutside && !inside_piece(beside) && !draft.IsOpen(beside)) return false;
      }
    }
  }
  Draft placed = draft;
  for (int dr = 0; dr < piece.rows; ++dr) {
    for (int dc = 0; dc < piece.columns; ++dc) {
      placed.codes[CellIndex(column + dc, row + dr)] = piece.At(dc, dr);
    }
  }
  if (!FixedTilesFit(placed) || !RoadExitsCanGoOn(placed)) return false;
  draft = placed;
  return true;
}

bool PlacePieceSomewhere(Draft& draft, LevelRandom& random, const Piece& piece, bool keep_apart) {
  std::vector<int> corners;
  for (int column = 0; column + piece.columns <= kColumns; ++column) {
    for (int row = 0; row + piece.rows <= kRows; ++row) corners.push_back(CellIndex(column, row));
  }
  random.Shuffle(corners);
  for (int corner : corners) {
    if (TryPlacePiece(draft, piece, ColumnOf(corner), RowOf(corner), keep_apart)) return true;
  }
  return false;
}

bool LayChain(Draft& draft, LevelRandom& random, const ChainRequest& request) {
  constexpr int kCourses = 60;
  std::vector<CourseCell> course;
  for (int attempt = 0; attempt < kCourses; ++attempt) {
    if (!WalkCourse(draft, random, course)) continue;
    Draft laid = draft;
    std::vector<bool> taken(course.size(), false);

    if (request.station) {
      const Piece* station = HorizontalChainPiece(request.family);
      if (station == nullptr) continue;
      std::vector<int> starts;
      for (int i = 0; i + station->columns <= static_cast<int>(course.size()); ++i) {
        bool fits = true;
        for (int k = 0; k < station->columns && fits; ++k) {
          const CourseCell& step = course[i + k];
          fits = IsStraight(step) && (step.out == Side::Right || step.out == Side::Left);
        }
        if (fits) starts.push_back(i);
      }
      if (starts.empty()) continue;
      const int first = starts[random.Below(static_cast<int>(starts.size()))];
      // Cells left to right, whichever way the line runs.
      int leftmost = course[first].cell;
      for (int k = 0; k < station->columns; ++k) {
        leftmost = std::min(leftmost, course[first + k].cell);
        taken[first + k] = true;
      }
      for (int k = 0; k < station->columns; ++k) {
        laid.codes[leftmost + k * kRows] = station->At(k, 0);
      }
    }

    std::vector<int> crossing_places;
    for (int i = 0; i < static_cast<int>(course.size()); ++i) {
      if (!taken[i] && CanCarryCrossing(draft, course, i)) crossing_places.push_back(i);
    }
    random.Shuffle(crossing_places);
    int crossings = 0;
    for (int place : crossing_places) {
      if (crossings == request.crossings) break;
      // Crossings keep at least one plain cell between them.
      if ((place > 0 && taken[place - 1]) ||
          (place + 1 < static_cast<int>(course.size()) && taken[place + 1])) {
        continue;
      }
      const CourseCell& step = course[place];
      const ChainTile* tile =
          PickChainTile(random, request.family, Bit(step.in) | Bit(step.out), true);
      if (tile == nullptr) continue;
      laid.codes[step.cell] = tile->code;
      taken[place] = true;
      ++crossings;
    }
    if (crossings < request.crossings) continue;

    bool complete = true;
    for (int i = 0; i < static_cast<int>(course.size()) && complete; ++i) {
      if (taken[i]) continue;
      const ChainTile* tile =
          PickChainTile(random, request.family, Bit(course[i].in) | Bit(course[i].out), false);
      if (tile == nullptr)
        complete = false;
      else
        laid.codes[course[i].cell] = tile->code;
    }
    if (!complete || !FixedTilesFit(laid) || !RoadExitsCanGoOn(laid)) continue;
    draft = laid;
    return true;
  }
  return false;
}

}  // namespace verlumo::levels
