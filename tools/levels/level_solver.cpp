// The solver lays edge-word classes, not codes: all tiles with one edge word are one class with
// a count, so interchangeable tiles are never tried twice and every solution found is distinct.
//
// Each movable cell keeps the set of classes that fit what is known around it (a bit mask; a
// level has at most 63 classes): the border and fixed neighbours from the start, each laid
// neighbour as it is laid. The search always takes next the open cell with the fewest fitting
// classes that are still in stock, so forced cells are filled at once and roads are followed
// from their open ends. A branch ends as soon as some open cell has no class left, or when
// fewer open cells could take a road piece (or the empty tile) than there are of them left.
// (Finer counts, per class or per edge kind, were tried: on our levels they cost more time
// than the branches they cut.)
#include "tools/levels/level_solver.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

#include "core/board.h"

namespace verlumo::levels {
namespace {

using ClassMask = std::uint64_t;

constexpr int kEdgeKinds = 4;  // edge codes 0 to 3

// The number of classes in a mask. Spelled out, because std::popcount becomes a library call
// on processors without a popcount instruction, and the search counts often.
int CountClasses(ClassMask mask) {
  mask -= (mask >> 1) & 0x5555555555555555ull;
  mask = (mask & 0x3333333333333333ull) + ((mask >> 2) & 0x3333333333333333ull);
  mask = (mask + (mask >> 4)) & 0x0F0F0F0F0F0F0F0Full;
  return static_cast<int>((mask * 0x0101010101010101ull) >> 56);
}

struct ClassOfTiles {
  EdgeWord word = 0;
  int count = 0;
  std::vector<TileCode> codes;  // the level's tiles of this class, in record order
};

struct MovableCell {
  int cell = 0;
  std::array<int, 4> neighbour{};  // index into the movable cells by side, or -1
};

// Whether every edge between two fixed tiles, or between a fixed tile and the border, fits.
// The search only looks at edges that touch a movable cell.
bool FixedEdgesFit(const Board& level) {
  for (int cell = 0; cell < kCells; ++cell) {
    if (IsMovable(level[cell])) continue;
    for (Side side : kSides) {
      const int neighbour = NeighbourCell(cell, side);
      if (neighbour != kOutside && IsMovable(level[neighbour])) continue;
      const TileCode other = neighbour == kOutside ? kEmptyTile : level[neighbour];
      if (EdgeCode(level[cell], side) != EdgeCode(other, FacingSide(side))) return false;
    }
  }
  return true;
}

class Search {
 public:
  Search(const Board& level, int cap, std::uint64_t placement_limit)
      : level_(level), cap_(std::max(cap, 1)), placement_limit_(placement_limit) {
    CollectClasses();
    CollectCells();
  }

  SolveResult Run() {
    SolveResult result;
    if (FixedEdgesFit(level_)) Visit(static_cast<int>(cells_.size()));
    result.solutions = std::min(solutions_, cap_);
    result.solvable = solutions_ > 0;
    result.reached_cap = solutions_ >= cap_;
    result.gave_up = gave_up_ && !result.reached_cap;
    result.placements = placements_;
    if (result.solvable) result.solution = first_solution_;
    return result;
  }

 private:
  void CollectClasses() {
    for (int cell = 0; cell < kCells; ++cell) {
      const TileCode code = level_[cell];
      if (!IsMovable(code)) continue;
      const EdgeWord word = EdgeWordOf(code);
      auto found = std::find_if(classes_.begin(), classes_.end(),
                                [word](const ClassOfTiles& c) { return c.word == word; });
      if (found == classes_.end()) {
        classes_.push_back({word, 0, {}});
        found = classes_.end() - 1;
      }
      ++found->count;
      found->codes.push_back(code);
    }
    for (int index = 0; index < static_cast<int>(classes_.size()); ++index) {
      const ClassMask bit = ClassMask{1} << index;
      remaining_.push_back(classes_[index].count);
      available_ |= bit;
      if (classes_[index].word == 0) {
        empty_class_ = bit;
        empties_left_ = classes_[index].count;
      } else {
        roads_left_ += classes_[index].count;
      }
      for (Side side : kSides) {
        with_edge_[static_cast<int>(side)][EdgeOfWord(classes_[index].word, side)] |= bit;
      }
    }
  }

  void CollectCells() {
    std::array<int, kCells> index_of{};
    index_of.fill(-1);
    for (int cell = 0; cell < kCells; ++cell) {
      if (!IsMovable(level_[cell])) continue;
      index_of[cell] = static_cast<int>(cells_.size());
      cells_.push_back({cell});
    }
    for (MovableCell& movable : cells_) {
      ClassMask fitting = available_;
      int known = 0;
      for (Side side : kSides) {
        const int neighbour = NeighbourCell(movable.cell, side);
        movable.neighbour[static_cast<int>(side)] =
            neighbour == kOutside ? -1 : index_of[neighbour];
        if (neighbour != kOutside && IsMovable(level_[neighbour])) continue;
        const TileCode other = neighbour == kOutside ? kEmptyTile : level_[neighbour];
        fitting &= with_edge_[static_cast<int>(side)][EdgeCode(other, FacingSide(side))];
        ++known;
      }
      fitting_.push_back(fitting);
      known_sides_.push_back(known);
      laid_.push_back(-1);
      open_.push_back(static_cast<int>(open_.size()));
    }
  }

  bool CutShort() const { return solutions_ >= cap_ || gave_up_; }

  // Searches the completions of the current state, with `open_count` cells at the front of
  // open_ still to fill.
  void Visit(int open_count) {
    if (open_count == 0) {
      if (solutions_++ == 0) RecordFirstSolution();
      return;
    }
    int chosen_at = -1;
    if (!Promising(open_count, chosen_at)) return;

    const int chosen = open_[chosen_at];
    std::swap(open_[chosen_at], open_[open_count - 1]);
    ClassMask candidates = fitting_[chosen] & available_;
    while (candidates != 0 && !CutShort()) {
      const int index = std::countr_zero(candidates);
      candidates &= candidates - 1;
      if (placement_limit_ != 0 && placements_ >= placement_limit_) {
        gave_up_ = true;
        break;
      }
      ++placements_;
      std::array<ClassMask, 4> neighbours_before{};
      Lay(chosen, index, neighbours_before);
      Visit(open_count - 1);
      Lift(chosen, index, neighbours_before);
    }
    std::swap(open_[chosen_at], open_[open_count - 1]);
  }

  // False when the state cannot be completed; otherwise picks the open cell to fill next.
  bool Promising(int open_count, int& chosen_at) const {
    int best_rank = -1;
    int can_be_road = 0;
    int can_be_empty = 0;
    for (int at = 0; at < open_count; ++at) {
      const ClassMask fitting = fitting_[open_[at]] & available_;
      if (fitting == 0) return false;
      can_be_road += (fitting & ~empty_class_) != 0 ? 1 : 0;
      can_be_empty += (fitting & empty_class_) != 0 ? 1 : 0;
      // Fewest fitting classes first; among those, the cell with the most known neighbours,
      // so the search sweeps on from what is laid instead of starting afresh elsewhere.
      const int rank = (64 - CountClasses(fitting)) * 8 + known_sides_[open_[at]];
      if (rank > best_rank) {
        best_rank = rank;
        chosen_at = at;
      }
    }
    return can_be_road >= roads_left_ && can_be_empty >= empties_left_;
  }

  void Lay(int movable, int index, std::array<ClassMask, 4>& neighbours_before) {
    laid_[movable] = index;
    if (--remaining_[index] == 0) available_ &= ~(ClassMask{1} << index);
    Account(movable, index, +1);
    // Each open neighbour now needs the facing edge of the laid class.
    const EdgeWord word = classes_[index].word;
    for (Side side : kSides) {
      const int neighbour = cells_[movable].neighbour[static_cast<int>(side)];
      if (neighbour < 0 || laid_[neighbour] >= 0) continue;
      neighbours_before[static_cast<int>(side)] = fitting_[neighbour];
      fitting_[neighbour] &= with_edge_[static_cast<int>(FacingSide(side))][EdgeOfWord(word, side)];
    }
  }

  void Lift(int movable, int index, const std::array<ClassMask, 4>& neighbours_before) {
    for (Side side : kSides) {
      const int neighbour = cells_[movable].neighbour[static_cast<int>(side)];
      if (neighbour < 0 || laid_[neighbour] >= 0) continue;
      fitting_[neighbour] = neighbours_before[static_cast<int>(side)];
    }
    Account(movable, index, -1);
    laid_[movable] = -1;
    if (remaining_[index]++ == 0) available_ |= ClassMask{1} << index;
  }

  // Lays (step +1) or lifts (step -1) a class on a cell: the tiles left and the known sides of
  // its open neighbours follow.
  void Account(int movable, int index, int step) {
    (classes_[index].word == 0 ? empties_left_ : roads_left_) -= step;
    for (int neighbour : cells_[movable].neighbour) {
      if (neighbour >= 0 && laid_[neighbour] < 0) known_sides_[neighbour] += step;
    }
  }

  void RecordFirstSolution() {
    first_solution_ = level_;
    std::vector<std::size_t> used(classes_.size(), 0);
    for (std::size_t movable = 0; movable < cells_.size(); ++movable) {
      const int index = laid_[movable];
      first_solution_[cells_[movable].cell] = classes_[index].codes[used[index]++];
    }
  }

  const Board& level_;
  const int cap_;
  const std::uint64_t placement_limit_;

  std::vector<ClassOfTiles> classes_;
  std::vector<int> remaining_;
  ClassMask available_ = 0;
  ClassMask empty_class_ = 0;
  int roads_left_ = 0;
  int empties_left_ = 0;
  std::array<std::array<ClassMask, kEdgeKinds>, 4> with_edge_{};  // [side][edge code]

  std::vector<MovableCell> cells_;
  std::vector<ClassMask> fitting_;  // by movable cell: classes that fit its known neighbours
  std::vector<int> laid_;           // by movable cell: the class laid there, or -1
  std::vector<int> known_sides_;    // by movable cell: sides facing the border, fixed or laid
  std::vector<int> open_;           // movable cells, the open ones first

  int solutions_ = 0;
  bool gave_up_ = false;
  std::uint64_t placements_ = 0;
  Board first_solution_{};
};

}  // namespace

SolveResult SolveLevel(const Board& level, int solution_cap, std::uint64_t placement_limit) {
  return Search(level, solution_cap, placement_limit).Run();
}

}  // namespace verlumo::levels
