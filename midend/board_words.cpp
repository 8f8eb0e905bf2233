// Building the board's words by the bilingual rule. A tile's roads are named from its edge word,
// kind by kind, with the sides in the order a clock's hand passes them from the top; what else
// its picture shows comes from the art's own list of subjects.
#include "midend/board_words.h"

#include <array>
#include <vector>

#include "core/texts.h"
#include "midend/tile_subjects.h"
#include "view/status_texts.h"

namespace verlumo {
namespace {

constexpr std::array<Side, 4> kSpokenSides = {Side::Top, Side::Right, Side::Bottom, Side::Left};

std::string SideName(Side side, int language) {
  switch (side) {
    case Side::Top: return Bilingual(language, "oben", "top");
    case Side::Right: return Bilingual(language, "rechts", "right");
    case Side::Bottom: return Bilingual(language, "unten", "bottom");
    case Side::Left: return Bilingual(language, "links", "left");
  }
  return "";
}

// "top", "top and right", "top, right and bottom".
std::string ListOf(const std::vector<std::string>& items, int language) {
  std::string list;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) list += i + 1 == items.size() ? Bilingual(language, " und ", " and ") : ", ";
    list += items[i];
  }
  return list;
}

std::string KindName(int edge_code, int language) {
  switch (edge_code) {
    case 1: return Bilingual(language, "Straße", "two-lane road");
    case 2: return Bilingual(language, "Brückenstraße", "bridge road");
    default: return Bilingual(language, "Feldweg", "lane");
  }
}

// The shape all of a tile's roads make together, whatever their kinds.
std::string ShapeName(EdgeWord word, int language) {
  int roads = 0;
  for (Side side : kSides) roads += EdgeOfWord(word, side) != 0;
  switch (roads) {
    case 1: return Bilingual(language, "Sackgasse", "dead end");
    case 2: {
      const bool straight = (EdgeOfWord(word, Side::Left) != 0) == (EdgeOfWord(word, Side::Right) != 0);
      return straight ? Bilingual(language, "Gerade", "straight") : Bilingual(language, "Kurve", "bend");
    }
    case 3: return Bilingual(language, "Einmündung", "T-junction");
    default: return Bilingual(language, "Kreuzung", "crossing");
  }
}

// Each kind of road the tile carries, with the sides it leaves by: "two-lane road top and
// bottom, lane right and left".
std::string RoadsOf(EdgeWord word, int language) {
  std::string roads;
  for (int kind = 1; kind <= 3; ++kind) {
    std::vector<std::string> sides;
    for (Side side : kSpokenSides) {
      if (EdgeOfWord(word, side) == kind) sides.push_back(SideName(side, language));
    }
    if (sides.empty()) continue;
    if (!roads.empty()) roads += ", ";
    roads += KindName(kind, language) + " " + ListOf(sides, language);
  }
  return roads;
}

// "column 3, row 2", capitalised where it opens a sentence.
std::string PositionWords(Cell cell, int language, bool opens_sentence = false) {
  return std::string(Bilingual(language, "Spalte ", opens_sentence ? "Column " : "column ")) +
         std::to_string(cell.column + 1) + Bilingual(language, ", Zeile ", ", row ") + std::to_string(cell.row + 1);
}

// The edge code facing a side of a cell: its neighbour's, or none beyond the board.
int FacingEdge(const Board& board, int cell, Side side) {
  const int neighbour = NeighbourCell(cell, side);
  return neighbour == kOutside ? 0 : EdgeCode(board[neighbour], FacingSide(side));
}

}  // namespace

std::string BoardName(int language) {
  return Bilingual(language,
                   "Spielfeld: Pfeiltasten wählen ein Feld, Eingabe oder Leertaste tauscht es mit dem Auto, "
                   "L nennt die offenen Straßenenden",
                   "Board: the arrow keys choose a cell, Enter or Space swaps it with the car, L tells the loose "
                   "road ends");
}

std::string TileWords(TileCode code, int language) {
  const EdgeWord word = EdgeWordOf(code);
  const TileSubject subject = TileSubjectOf(code);
  const std::string about = Bilingual(language, subject.german, subject.english);
  if (IsMovable(code)) {
    if (word == 0) return Bilingual(language, "Gras", "grass");
    return ShapeName(word, language) + (about.empty() ? "" : " " + about) + ", " + RoadsOf(word, language);
  }
  if (word == 0) return about;
  return about + ", " + ShapeName(word, language) + ", " + RoadsOf(word, language);
}

std::string CellWords(const GameState& state, Cell cell) {
  const int language = state.language.value();
  const int index = CellIndex(cell.column, cell.row);
  const TileCode code = state.board[index];
  std::string words = PositionWords(cell, language, true) + ": " + TileWords(code, language);
  if (!IsMovable(code)) words += Bilingual(language, ", fest", ", fixed");
  if (state.has_selected_cell && cell.column == state.selected_column && cell.row == state.selected_row) {
    words += Bilingual(language, ", trägt das Auto", ", carries the car");
  }
  std::vector<std::string> joined;
  std::vector<std::string> loose;
  for (Side side : kSpokenSides) {
    const int edge = EdgeCode(code, side);
    if (edge == 0) continue;
    (FacingEdge(state.board, index, side) == edge ? joined : loose).push_back(SideName(side, language));
  }
  std::vector<std::string> links;
  if (!joined.empty()) links.push_back(Bilingual(language, "verbunden ", "joined ") + ListOf(joined, language));
  if (!loose.empty()) links.push_back(Bilingual(language, "offen ", "loose ") + ListOf(loose, language));
  if (!links.empty()) words += "; " + (links.size() == 2 ? links[0] + ", " + links[1] : links[0]);
  return words;
}

int LooseRoadEnds(const Board& board) {
  int loose = 0;
  for (int cell = 0; cell < kCells; ++cell) {
    for (Side side : kSides) {
      const int edge = EdgeCode(board[cell], side);
      if (edge != 0 && FacingEdge(board, cell, side) != edge) ++loose;
    }
  }
  return loose;
}

std::string LooseEndsWords(int loose_ends, int language) {
  if (loose_ends == 0) return Bilingual(language, "Kein Straßenende ist offen.", "No road end is loose.");
  if (loose_ends == 1) return Bilingual(language, "1 Straßenende ist offen.", "1 road end is loose.");
  return std::to_string(loose_ends) + Bilingual(language, " Straßenenden sind offen.", " road ends are loose.");
}

std::string SwapWords(const GameState& state, Cell car_was) {
  const int language = state.language.value();
  const Cell car{state.selected_column, state.selected_row};
  return std::string(Bilingual(language, "Getauscht. Das Auto steht jetzt in ", "Swapped. The car is now at ")) +
         PositionWords(car, language) + Bilingual(language, "; in ", "; ") + PositionWords(car_was, language) +
         Bilingual(language, " liegt jetzt: ", " now holds: ") +
         TileWords(state.board[CellIndex(car_was.column, car_was.row)], language) + ".";
}

std::string LevelStartWords(const GameState& state) {
  const int language = state.language.value();
  std::string words = LevelCounterHint(language, state.current_level, state.IsLevelSolved(state.current_level)) + ".";
  if (!state.has_selected_cell) return words;
  return words + Bilingual(language, " Das Auto steht in ", " The car is at ") +
         PositionWords({state.selected_column, state.selected_row}, language) + ".";
}

std::string LevelSolvedWords(const GameState& state) {
  return LevelCounterHint(state.language.value(), state.current_level, true) + ".";
}

std::string RefusedPressWords(const GameState& state, Cell cell) {
  const int language = state.language.value();
  if (!IsMovable(state.board[CellIndex(cell.column, cell.row)])) {
    return Bilingual(language, "Dieses Teil ist fest und lässt sich nicht bewegen.",
                     "This tile is fixed; it cannot move.");
  }
  if (state.has_selected_cell && cell.column == state.selected_column && cell.row == state.selected_row) {
    return Bilingual(language, "Hier steht das Auto; wähle ein anderes Teil, um es damit zu tauschen.",
                     "The car is on this tile; choose another tile to swap it with.");
  }
  return "";
}

}  // namespace verlumo
