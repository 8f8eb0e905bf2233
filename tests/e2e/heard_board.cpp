// Reading a cell's words and solving the board from them.
#include "tests/e2e/heard_board.h"

#include <map>
#include <regex>
#include <vector>

namespace verlumo::e2e {
namespace {

constexpr int kTop = 0, kRight = 1, kBottom = 2, kLeft = 3;

int SideOf(const std::string& word) {
  if (word == "top") return kTop;
  if (word == "right") return kRight;
  if (word == "bottom") return kBottom;
  return kLeft;
}

int KindOf(const std::string& word) {
  if (word == "two-lane road") return 1;
  if (word == "bridge road") return 2;
  return 3;  // lane
}

// The search: the cells in reading order, each given one of the movable tiles left over that fits
// the cells before it, the board's edges and its fixed neighbours.
class Solver {
 public:
  explicit Solver(const HeardBoard& board) : board_(board) {
    for (const HeardCell& cell : board) {
      if (cell.fixed) continue;
      ++left_over_[cell.edges];
    }
    for (int index = 0; index < kCells; ++index) placed_[index] = board[index].edges;
  }

  std::optional<Arrangement> Solve() {
    if (!Place(0)) return std::nullopt;
    return placed_;
  }

 private:
  // Cells in reading order: row by row, left to right, so that the cell above and the cell to the
  // left are placed before.
  static int CellAtStep(int step) { return CellIndex(step % kColumns, step / kColumns); }

  bool Fits(int column, int row, const Edges& edges) const {
    const auto facing = [&](int side, int other_column, int other_row, int other_side, bool placed) {
      if (other_column < 0 || other_column >= kColumns || other_row < 0 || other_row >= kRows) {
        return edges[side] == 0;
      }
      const int other = CellIndex(other_column, other_row);
      if (!placed && !board_[other].fixed) return true;
      return edges[side] == placed_[other][other_side];
    };
    return facing(kTop, column, row - 1, kBottom, true) && facing(kLeft, column - 1, row, kRight, true) &&
           facing(kRight, column + 1, row, kLeft, false) && facing(kBottom, column, row + 1, kTop, false);
  }

  bool Place(int step) {
    if (step == kCells) return true;
    if (++tries_ > kMostTries) return false;
    const int index = CellAtStep(step);
    const int column = step % kColumns, row = step / kColumns;
    if (board_[index].fixed) return Fits(column, row, placed_[index]) && Place(step + 1);
    for (auto& [edges, count] : left_over_) {
      if (count == 0 || !Fits(column, row, edges)) continue;
      --count;
      placed_[index] = edges;
      const bool solved = Place(step + 1);
      ++count;
      if (solved) return true;
    }
    return false;
  }

  // A board the words describe wrongly could send the search round for ever.
  static constexpr long kMostTries = 2'000'000;

  const HeardBoard& board_;
  std::map<Edges, int> left_over_;
  Arrangement placed_{};
  long tries_ = 0;
};

}  // namespace

std::optional<HeardCell> ParseCellWords(const std::wstring& wide) {
  std::string words;
  for (wchar_t letter : wide) words += letter < 128 ? static_cast<char>(letter) : '?';
  static const std::regex place("^Column ([1-9]), row ([1-7]): ");
  std::smatch found;
  if (!std::regex_search(words, found, place)) return std::nullopt;
  HeardCell cell;
  cell.column = std::stoi(found[1]) - 1;
  cell.row = std::stoi(found[2]) - 1;
  if (cell.column >= kColumns || cell.row >= kRows) return std::nullopt;
  // What the tile is comes before the first ";", how its roads meet the neighbours after it.
  const std::string tile = words.substr(found.length(), words.find(';') - found.length());
  static const std::regex road(
      "(two-lane road|bridge road|lane) ((top|right|bottom|left)((, | and )(top|right|bottom|left))*)");
  static const std::regex side("top|right|bottom|left");
  for (std::sregex_iterator it(tile.begin(), tile.end(), road), end; it != end; ++it) {
    const std::string sides = (*it)[2];
    for (std::sregex_iterator one(sides.begin(), sides.end(), side); one != end; ++one) {
      cell.edges[SideOf(one->str())] = KindOf((*it)[1]);
    }
  }
  cell.fixed = tile.find(", fixed") != std::string::npos;
  cell.carries_car = tile.find(", carries the car") != std::string::npos;
  return cell;
}

std::optional<Arrangement> SolvedArrangement(const HeardBoard& board) { return Solver(board).Solve(); }

std::optional<int> NextPress(const Arrangement& current, int car, const Arrangement& wanted) {
  std::vector<int> misplaced;
  for (int index = 0; index < kCells; ++index) {
    if (current[index] != wanted[index]) misplaced.push_back(index);
  }
  if (misplaced.empty()) return std::nullopt;
  // The car's cell is wrong: fetch the tile it wants from a cell that wants another.
  if (current[car] != wanted[car]) {
    for (int index : misplaced) {
      if (index != car && current[index] == wanted[car]) return index;
    }
  }
  // The car's tile belongs where it is: carry it on to a cell that is still wrong.
  for (int index : misplaced) {
    if (index != car) return index;
  }
  return std::nullopt;
}

}  // namespace verlumo::e2e
