// The road area starts at the cells that roads leaving the scenery point at and at meeting
// points spread over the board; these are joined by shortest ways through open cells, then the
// area grows cell by cell to its size.
// The area is then filled by a search that always takes the cell with the fewest fitting road
// pieces next and tries the pieces in a random order weighted by the level's road style.
#include "tools/levels/road_filler.h"

#include <algorithm>
#include <bitset>
#include <deque>
#include <vector>

#include "core/board.h"

namespace verlumo::levels {
namespace {

// Every edge word a movable road piece can have, with the codes that carry it.
struct RoadClass {
  EdgeWord word;
  std::vector<TileCode> codes;
};

constexpr int kMaxRoadClasses = 96;
using ClassSet = std::bitset<kMaxRoadClasses>;

constexpr int kBridgeRoad = 2;  // the stone-lined road that leads onto bridges

struct RoadClasses {
  std::vector<RoadClass> classes;
  std::array<std::array<ClassSet, 4>, 4> with_edge{};  // [side][edge code]
  ClassSet without_bridge_road;

  RoadClasses() {
    for (int code = 1; code <= kLastMovableCode; ++code) {
      const EdgeWord word = EdgeWordOf(static_cast<TileCode>(code));
      auto found = std::find_if(classes.begin(), classes.end(),
                                [word](const RoadClass& c) { return c.word == word; });
      if (found == classes.end()) {
        classes.push_back({word, {}});
        found = classes.end() - 1;
      }
      found->codes.push_back(static_cast<TileCode>(code));
    }
    for (std::size_t index = 0; index < classes.size(); ++index) {
      bool bridge_road = false;
      for (Side side : kSides) {
        with_edge[static_cast<int>(side)][EdgeOfWord(classes[index].word, side)].set(index);
        bridge_road |= EdgeOfWord(classes[index].word, side) == kBridgeRoad;
      }
      without_bridge_road.set(index, !bridge_road);
    }
  }
};

const RoadClasses& TheRoadClasses() {
  static const RoadClasses classes;
  return classes;
}

double StyleWeight(EdgeWord word, const RoadStyle& style) {
  double weight = 1;
  int roads = 0;
  for (Side side : kSides) {
    const int edge = EdgeOfWord(word, side);
    if (edge == 0) continue;
    ++roads;
    weight *= style.kind_weight[edge];
  }
  switch (roads) {
    case 1:
      return weight * style.dead_end;
    case 2: {
      const bool straight = EdgeOfWord(word, Side::Right) == EdgeOfWord(word, Side::Left) ||
                            EdgeOfWord(word, Side::Top) == EdgeOfWord(word, Side::Bottom);
      return weight * (straight ? style.straight : style.bend);
    }
    case 3:
      return weight * style.junction;
    default:
      return weight * style.crossing;
  }
}

using Area = std::array<bool, kCells>;

constexpr int kRoadsPerMeetingPoint = 7;
// Placements one filling may try before the attempt is given up for a fresh road area.
constexpr int kFillingBudget = 4000;

// Open cells that a road of the scenery points at.
std::vector<int> CellsRoadsPointAt(const Draft& draft) {
  std::vector<int> cells;
  for (int cell = 0; cell < kCells; ++cell) {
    if (!draft.IsOpen(cell)) continue;
    for (Side side : kSides) {
      const int beside = NeighbourCell(cell, side);
      if (beside == kOutside || draft.IsOpen(beside)) continue;
      if (EdgeCode(static_cast<TileCode>(draft.codes[beside]), FacingSide(side)) != 0) {
        cells.push_back(cell);
        break;
      }
    }
  }
  return cells;
}

// Adds the cells of a shortest way through open cells from the area part that holds `from` to
// any area cell outside it. False when no way exists.
bool JoinToRest(const Draft& draft, Area& area, int from, LevelRandom& random) {
  // The part of the area that `from` belongs to.
  Area part{};
  std::vector<int> stack = {from};
  part[from] = true;
  while (!stack.empty()) {
    const int cell = stack.back();
    stack.pop_back();
    for (Side side : kSides) {
      const int beside = NeighbourCell(cell, side);
      if (beside != kOutside && area[beside] && !part[beside]) {
        part[beside] = true;
        stack.push_back(beside);
      }
    }
  }
  std::array<int, kCells> came_from;
  came_from.fill(-2);
  std::deque<int> queue;
  for (int cell = 0; cell < kCells; ++cell) {
    if (part[cell]) {
      came_from[cell] = -1;
      queue.push_back(cell);
    }
  }
  std::vector<Side> sides(kSides.begin(), kSides.end());
  while (!queue.empty()) {
    const int cell = queue.front();
    queue.pop_front();
    random.Shuffle(sides);
    for (Side side : sides) {
      const int beside = NeighbourCell(cell, side);
      if (beside == kOutside || !draft.IsOpen(beside) || came_from[beside] != -2) continue;
      came_from[beside] = cell;
      if (area[beside]) {
        for (int step = cell; !part[step]; step = came_from[step]) area[step] = true;
        return true;
      }
      queue.push_back(beside);
    }
  }
  return false;
}

int CountOpen(const Draft& draft) {
  return static_cast<int>(std::count(draft.codes.begin(), draft.codes.end(), kOpenCell));
}

// Open cells far from every cell of the area, one more for each stretch of road; the roads will
// pass through them, so the network reaches across the board instead of clumping in a corner.
std::vector<int> MeetingPoints(const Draft& draft, const Area& area, int road_cells,
                               LevelRandom& random) {
  std::vector<int> points;
  Area taken = area;
  const int wanted = std::max(1, road_cells / kRoadsPerMeetingPoint);
  for (int point = 0; point < wanted; ++point) {
    std::vector<int> cells;
    std::vector<double> weights;
    const bool any_taken = std::find(taken.begin(), taken.end(), true) != taken.end();
    for (int cell = 0; cell < kCells; ++cell) {
      if (!draft.IsOpen(cell) || taken[cell]) continue;
      int nearest = kColumns + kRows;
      for (int other = 0; other < kCells; ++other) {
        if (!taken[other]) continue;
        nearest = std::min(nearest, std::abs(ColumnOf(cell) - ColumnOf(other)) +
                                        std::abs(RowOf(cell) - RowOf(other)));
      }
      double weight = any_taken ? static_cast<double>(nearest * nearest) : 1.0;
      if (IsBorderCell(cell)) weight *= 0.3;  // roads along the border look like scraps
      cells.push_back(cell);
      weights.push_back(weight);
    }
    if (cells.empty()) break;
    const int chosen = cells[random.Weighted(weights)];
    taken[chosen] = true;
    points.push_back(chosen);
  }
  return points;
}

Area ChooseRoadArea(const Draft& draft, int road_cells, const RoadStyle& style,
                    LevelRandom& random) {
  Area area{};
  std::vector<int> joints = CellsRoadsPointAt(draft);
  for (int cell : joints) area[cell] = true;
  for (int cell :
       MeetingPoints(draft, area, road_cells - static_cast<int>(joints.size()), random)) {
    area[cell] = true;
    joints.push_back(cell);
  }
  // Join the roads of the scenery and the meeting points, as far as open cells allow.
  for (int cell : joints) {
    Area before = area;
    if (!JoinToRest(draft, area, cell, random)) area = before;
  }
  int size = static_cast<int>(std::count(area.begin(), area.end(), true));
  road_cells = std::min(road_cells, CountOpen(draft));
  int last_added = -1;
  while (size < road_cells) {
    std::vector<int> frontier;
    std::vector<double> weights;
    for (int cell = 0; cell < kCells; ++cell) {
      if (!draft.IsOpen(cell) || area[cell]) continue;
      int touching = 0;
      bool by_last = false;
      for (Side side : kSides) {
        const int beside = NeighbourCell(cell, side);
        if (beside == kOutside || !area[beside]) continue;
        ++touching;
        by_last |= beside == last_added;
      }
      if (touching == 0 && size > 0) continue;
      double weight = 1;
      for (int more = 1; more < touching; ++more) weight *= style.compactness;
      if (by_last) weight *= 2;
      if (size == 0 && IsBorderCell(cell)) weight *= 0.2;  // start the first road inland
      frontier.push_back(cell);
      weights.push_back(weight);
    }
    if (frontier.empty()) {
      // The roads so far are walled in; start another network elsewhere.
      for (int cell = 0; cell < kCells; ++cell) {
        if (draft.IsOpen(cell) && !area[cell]) frontier.push_back(cell);
      }
      weights.assign(frontier.size(), 1.0);
    }
    last_added = frontier[random.Weighted(weights)];
    area[last_added] = true;
    ++size;
  }
  return area;
}

class Filler {
 public:
  Filler(const Draft& draft, const Area& area, const RoadStyle& style, LevelRandom& random)
      : draft_(draft), area_(area), random_(random) {
    laid_.fill(-1);
    MarkBridgeApproaches();
    for (const RoadClass& road_class : TheRoadClasses().classes) {
      weights_.push_back(StyleWeight(road_class.word, style));
    }
  }

  std::optional<Board> Run() {
    if (!Visit()) return std::nullopt;
    Board board{};
    for (int cell = 0; cell < kCells; ++cell) {
      if (!draft_.IsOpen(cell)) {
        board[cell] = static_cast<TileCode>(draft_.codes[cell]);
      } else if (area_[cell]) {
        const std::vector<TileCode>& codes = TheRoadClasses().classes[laid_[cell]].codes;
        board[cell] = codes[random_.Below(static_cast<int>(codes.size()))];
      }
    }
    return board;
  }

 private:
  // The edge the neighbour beyond `side` shows, or -1 while that neighbour is still undecided.
  int FacingEdge(int cell, Side side) const {
    const int beside = NeighbourCell(cell, side);
    if (beside == kOutside) return 0;
    if (!draft_.IsOpen(beside)) {
      return EdgeCode(static_cast<TileCode>(draft_.codes[beside]), FacingSide(side));
    }
    if (!area_[beside]) return 0;
    if (laid_[beside] < 0) return -1;
    return EdgeOfWord(TheRoadClasses().classes[laid_[beside]].word, FacingSide(side));
  }

  // Stone-lined road belongs on bridges and the cells leading onto them: the cell beside a
  // bridge's end and the one after it, where it turns back into ordinary road.
  void MarkBridgeApproaches() {
    for (int cell = 0; cell < kCells; ++cell) {
      if (!draft_.IsOpen(cell)) continue;
      for (Side side : kSides) {
        const int beside = NeighbourCell(cell, side);
        if (beside == kOutside || draft_.IsOpen(beside)) continue;
        if (EdgeCode(static_cast<TileCode>(draft_.codes[beside]), FacingSide(side)) != kBridgeRoad)
          continue;
        approach_[cell] = true;
        for (Side further : kSides) {
          const int next = NeighbourCell(cell, further);
          if (next != kOutside && draft_.IsOpen(next)) approach_[next] = true;
        }
      }
    }
  }

  ClassSet Fitting(int cell) const {
    ClassSet fitting = approach_[cell] ? ClassSet().set() : TheRoadClasses().without_bridge_road;
    for (Side side : kSides) {
      const int edge = FacingEdge(cell, side);
      if (edge >= 0) fitting &= TheRoadClasses().with_edge[static_cast<int>(side)][edge];
    }
    return fitting;
  }

  bool Visit() {
    if (--budget_ < 0) return false;
    int chosen = -1;
    ClassSet chosen_fitting;
    std::size_t fewest = kMaxRoadClasses + 1;
    int ties = 0;
    for (int cell = 0; cell < kCells; ++cell) {
      if (!area_[cell] || laid_[cell] >= 0) continue;
      const ClassSet fitting = Fitting(cell);
      const std::size_t count = fitting.count();
      if (count == 0) return false;
      if (count < fewest) {
        fewest = count;
        ties = 1;
        chosen = cell;
        chosen_fitting = fitting;
      } else if (count == fewest && random_.Below(++ties) == 0) {
        chosen = cell;
        chosen_fitting = fitting;
      }
    }
    if (chosen < 0) return true;
    // A weighted random order, drawn one by one without putting back.
    std::vector<int> candidates;
    std::vector<double> weights;
    for (std::size_t index = 0; index < TheRoadClasses().classes.size(); ++index) {
      if (!chosen_fitting.test(index) || weights_[index] <= 0) continue;
      candidates.push_back(static_cast<int>(index));
      weights.push_back(weights_[index]);
    }
    while (!candidates.empty()) {
      const int pick = random_.Weighted(weights);
      const int index = candidates[pick];
      candidates.erase(candidates.begin() + pick);
      weights.erase(weights.begin() + pick);
      laid_[chosen] = index;
      if (Visit()) return true;
      if (budget_ < 0) break;
    }
    laid_[chosen] = -1;
    return false;
  }

  const Draft& draft_;
  const Area& area_;
  LevelRandom& random_;
  std::array<int, kCells> laid_;
  Area approach_{};  // open cells where stone-lined road may lie
  std::vector<double> weights_;
  int budget_ = kFillingBudget;
};

}  // namespace

std::optional<Board> FillRoads(const Draft& draft, int road_cells, const RoadStyle& style,
                               LevelRandom& random) {
  const Area area = ChooseRoadArea(draft, road_cells, style, random);
  return Filler(draft, area, style, random).Run();
}

}  // namespace verlumo::levels
