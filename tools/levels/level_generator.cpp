// Each level is planned from its place in the file (its progress, 0 to 1): how many road pieces,
// how much scenery, how many fixed roads to join, and what makes it a fair puzzle there. Then
// attempts are made, each with a theme, its scenery and a road filling, until one meets the
// plan; the solver counts every attempt's solutions. At the end the levels are ordered by their
// difficulty figure, keeping the planned order among equals.
#include "tools/levels/level_generator.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <thread>

#include "tools/levels/level_facts.h"
#include "tools/levels/level_random.h"
#include "tools/levels/level_solver.h"
#include "tools/levels/road_filler.h"
#include "tools/levels/scenery_themes.h"

namespace verlumo::levels {
namespace {

constexpr int kFirstRoads = 3;   // road pieces of the very first level
constexpr int kLastRoads = 48;   // and about that many at the end
constexpr int kFewestEmpty = 3;  // empty tiles that even the last levels keep
constexpr int kMostFixed = 16;   // scenery cells
constexpr int kPlainLevels = 3;  // the first levels are roads alone
constexpr int kAttempts = 120;
constexpr int kRescueAttempts = 400;
// From here on every road network joins the scenery somewhere, so it has a place of its own.
constexpr double kFloatingUntil = 0.04;
// Levels whose solutions take longer to count are set aside: they would slow the checker, and
// a search that long is mostly spent on a great many scattered solutions. Big networks get
// more, since their searches are long by nature.
constexpr std::uint64_t kFirstPlacementBudget = 5000;
constexpr std::uint64_t kLastPlacementBudget = 45000;

struct LevelPlan {
  double progress = 0;
  int road_target = 0;
  int most_fixed = 0;
  int extra_anchors = 0;
  // What makes the level a fair puzzle at its place in the file.
  int most_solutions = 0;
  int least_classes = 0;
  int most_networks = 0;
  int most_floating = 0;  // networks that touch no scenery, and so can be built anywhere
  int most_dead_ends = 0;
  std::uint64_t placement_budget = 0;  // for counting its solutions
};

// Progress to the power 3/4 (with square roots only, which every machine rounds alike): road
// counts rise quickly at first, when each extra piece is felt, then more slowly.
double RoadCurve(double progress) { return std::sqrt(progress) * std::sqrt(std::sqrt(progress)); }

LevelPlan PlanFor(int index, int count, LevelRandom& random) {
  LevelPlan plan;
  plan.progress = count > 1 ? static_cast<double>(index) / (count - 1) : 0.0;
  const double roads = kFirstRoads + (kLastRoads - kFirstRoads) * RoadCurve(plan.progress);
  const int jitter = static_cast<int>(roads / 10);
  plan.road_target =
      std::max(kFirstRoads, static_cast<int>(roads + 0.5) + random.Between(-jitter, jitter));
  if (index == 0) plan.road_target = random.Between(3, 4);
  plan.most_fixed = std::min(kMostFixed, kCells - plan.road_target - kFewestEmpty);
  // More fixed roads to join further on: they pin the network down where it would otherwise
  // have many ways to go.
  if (plan.progress >= kFloatingUntil) {
    plan.extra_anchors = random.Between(1 + static_cast<int>(2 * plan.progress),
                                        1 + static_cast<int>(4 * plan.progress));
  }
  // The first levels may be solved in any number of ways; later ones must be worked out.
  plan.most_solutions = plan.progress < 0.05  ? kDefaultSolutionCap
                        : plan.progress < 0.2 ? 256
                        : plan.progress < 0.5 ? 64
                        : plan.progress < 0.8 ? 32
                                              : 16;
  plan.least_classes = std::min(2 + plan.road_target / 4, 12);
  plan.most_networks = plan.road_target <= 10 ? 1 : plan.road_target <= 30 ? 2 : 3;
  plan.most_floating = plan.progress < kFloatingUntil ? plan.most_networks : 0;
  plan.most_dead_ends = 2 + plan.road_target / 12;
  plan.placement_budget =
      kFirstPlacementBudget +
      static_cast<std::uint64_t>((kLastPlacementBudget - kFirstPlacementBudget) * plan.progress *
                                 plan.progress);
  return plan;
}

const Theme& ChooseTheme(int index, double progress, LevelRandom& random) {
  const std::vector<Theme>& themes = Themes();
  if (index < kPlainLevels) return themes.front();
  std::vector<double> weights;
  for (const Theme& theme : themes) {
    double weight = theme.from_progress <= progress ? 1.0 : 0.0;
    // After the first few levels, most levels carry scenery.
    if (theme.steps.empty()) weight *= 0.15;
    weights.push_back(weight);
  }
  return themes[random.Weighted(weights)];
}

struct Candidate {
  GeneratedLevel level;
  int shortfalls = 0;  // how many of the plan's fairness rules it misses
};

int DeadEnds(const Board& board) {
  int dead_ends = 0;
  for (TileCode code : board) {
    if (!IsMovable(code)) continue;
    int roads = 0;
    for (Side side : {Side::Right, Side::Top, Side::Left, Side::Bottom})
      roads += EdgeCode(code, side) != 0 ? 1 : 0;
    dead_ends += roads == 1 ? 1 : 0;
  }
  return dead_ends;
}

// The hard rules every level keeps, and the plan's softer ones counted as shortfalls. The
// solver runs last, and only as far as needed: a candidate that cannot beat the best one so
// far is dropped before its solutions are counted.
std::optional<Candidate> Judge(const Board& board, const LevelPlan& plan,
                               const std::optional<Candidate>& best) {
  const LevelFacts facts = CountLevel(board);
  if (!IsBoardSolved(board) || SceneryMisfits(board) > 0 || facts.road_pieces < 2 ||
      facts.selectable < 1) {
    return std::nullopt;
  }
  const NetworkCount networks = CountNetworks(board);
  int shortfalls = 0;
  if (std::abs(facts.road_pieces - plan.road_target) > std::max(1, plan.road_target / 6))
    ++shortfalls;
  if (facts.road_classes < plan.least_classes) ++shortfalls;
  if (networks.all > plan.most_networks) ++shortfalls;
  if (networks.floating > plan.most_floating) ++shortfalls;
  if (DeadEnds(board) > plan.most_dead_ends) ++shortfalls;
  const auto beaten = [&] { return best && best->shortfalls <= shortfalls; };
  if (beaten()) return std::nullopt;

  const bool any_count = plan.most_solutions >= kDefaultSolutionCap;
  SolveResult solve = SolveLevel(board, any_count ? kDefaultSolutionCap : plan.most_solutions + 1,
                                 plan.placement_budget);
  if (!solve.solvable || solve.gave_up) return std::nullopt;
  if (!any_count && solve.solutions > plan.most_solutions) {
    ++shortfalls;
    if (beaten()) return std::nullopt;
    // Too many solutions for its place, but the best so far: count them up to the usual cap.
    solve = SolveLevel(board, kDefaultSolutionCap, plan.placement_budget);
    if (solve.gave_up) return std::nullopt;
  }
  return Candidate{
      {board, facts.road_pieces, solve.solutions, DifficultyOf(facts.road_pieces, solve.solutions)},
      shortfalls};
}

// The last resort, should a level's attempts all fail: a small ring road.
GeneratedLevel RingRoad() {
  Board board{};
  board[CellIndex(3, 2)] = 7;  // right and bottom
  board[CellIndex(4, 2)] = 6;  // left and bottom
  board[CellIndex(3, 3)] = 4;  // right and top
  board[CellIndex(4, 3)] = 5;  // top and left
  const SolveResult solve = SolveLevel(board);
  return {board, 4, solve.solutions, DifficultyOf(4, solve.solutions)};
}

GeneratedLevel MakeLevel(std::uint64_t seed, int index, int count) {
  LevelRandom random(seed * 0x100000001B3ull +
                     static_cast<std::uint64_t>(index) * 0x9E3779B97F4A7C15ull);
  const LevelPlan plan = PlanFor(index, count, random);
  std::optional<Candidate> best;
  for (int attempt = 0; attempt < kAttempts + kRescueAttempts; ++attempt) {
    if (best && attempt >= kAttempts) return best->level;
    LevelPlan tried = plan;
    const Theme* theme = &ChooseTheme(index, plan.progress, random);
    if (attempt >= kAttempts) {
      // Nothing fitted: aim lower, with fewer and fewer roads, and in the end no scenery.
      tried.road_target = std::max(kFirstRoads, plan.road_target - (attempt - kAttempts) / 4);
      if (attempt >= kAttempts + kRescueAttempts / 2) {
        theme = &Themes().front();
        tried.extra_anchors = 0;
      }
    }
    Draft draft;
    if (!Furnish(draft, random, *theme, tried.extra_anchors, tried.most_fixed)) continue;
    const RoadStyle style = StyleFor(theme->look, tried.progress, random);
    const std::optional<Board> board = FillRoads(draft, tried.road_target, style, random);
    if (!board) continue;
    std::optional<Candidate> candidate = Judge(*board, tried, best);
    if (!candidate) continue;
    if (candidate->shortfalls == 0) return candidate->level;
    best = candidate;
  }
  return best ? best->level : RingRoad();
}

}  // namespace

std::vector<GeneratedLevel> GenerateLevels(std::uint64_t seed, int count) {
  if (count < 1 || count > kMaxLevels)
    throw std::invalid_argument("a level file holds 1 to 500 levels");
  // Each level depends on the seed and its own number only, so the levels are made on all
  // processors at once and come out the same as made one after another.
  std::vector<GeneratedLevel> levels(count);
  std::atomic<int> next{0};
  const auto work = [&] {
    for (int index = next++; index < count; index = next++)
      levels[index] = MakeLevel(seed, index, count);
  };
  std::vector<std::thread> helpers(std::max(1u, std::thread::hardware_concurrency()) - 1);
  for (std::thread& helper : helpers) helper = std::thread(work);
  work();
  for (std::thread& helper : helpers) helper.join();
  std::stable_sort(
      levels.begin(), levels.end(),
      [](const GeneratedLevel& a, const GeneratedLevel& b) { return a.difficulty < b.difficulty; });
  return levels;
}

std::vector<std::uint8_t> LevelFileBytes(const std::vector<GeneratedLevel>& levels) {
  std::vector<std::uint8_t> bytes;
  for (const GeneratedLevel& level : levels)
    bytes.insert(bytes.end(), level.board.begin(), level.board.end());
  return bytes;
}

}  // namespace verlumo::levels
