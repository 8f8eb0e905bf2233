// The level file checker. It reads the bytes the way the game does (complete 63-byte records,
// at most 500) but looks at every record, so one bad level does not hide the others.
#include "tools/levels/level_check.h"

#include <algorithm>
#include <iomanip>

#include "core/level_file.h"

namespace verlumo::levels {
namespace {

constexpr std::size_t kListedCodes = 3;  // uncatalogued codes named per level before "and more"

// A cell as the player sees it, counting from 1 at the top left: "column 3 row 5".
std::string CellName(int cell) {
  return "column " + std::to_string(cell / kRows + 1) + " row " + std::to_string(cell % kRows + 1);
}

LevelReport CheckLevel(int number, const Board& level, int solution_cap) {
  LevelReport report;
  report.number = number;
  report.facts = CountLevel(level);
  const LevelFacts& facts = report.facts;

  if (!facts.uncatalogued_cells.empty()) {
    std::string text;
    for (std::size_t i = 0; i < facts.uncatalogued_cells.size() && i < kListedCodes; ++i) {
      const int cell = facts.uncatalogued_cells[i];
      if (i > 0) text += ", ";
      text += "code " + std::to_string(level[cell]) + " at " + CellName(cell);
    }
    if (facts.uncatalogued_cells.size() > kListedCodes) {
      text += " and " + std::to_string(facts.uncatalogued_cells.size() - kListedCodes) + " more";
    }
    report.problems.push_back(text + ": no such tile (codes run from 0 to 199)");
  }
  if (facts.movable == 0) report.problems.push_back("no movable tile (codes 0 to 90)");
  if (facts.selectable == 0) {
    report.problems.push_back("no tile the player can carry (codes 1 to 89)");
  }
  // A code without a tile has no edges to search with; everything else can be searched.
  if (!facts.uncatalogued_cells.empty()) return report;

  report.solve = SolveLevel(level, solution_cap);
  if (!report.solve->solvable) {
    report.problems.push_back(
        "unsolvable: no arrangement of its movable tiles passes the solved test");
    return report;
  }
  report.difficulty = DifficultyOf(facts.road_pieces, report.solve->solutions);
  if (facts.road_pieces < 2) {
    report.notes.push_back("only " + std::to_string(facts.road_pieces) + " movable road piece");
  }
  if (!IsBoardSolved(level)) report.notes.push_back("the record as written is not solved");
  if (const int misfits = SceneryMisfits(report.solve->solution); misfits > 0) {
    report.notes.push_back(std::to_string(misfits) +
                           " scenery joins that the scenery catalogue does not allow");
  }
  return report;
}

void PrintLevel(std::ostream& out, const LevelReport& level) {
  const LevelFacts& facts = level.facts;
  out << "level " << std::setw(3) << level.number << "  movable " << std::setw(2) << facts.movable
      << "  selectable " << std::setw(2) << facts.selectable << "  fixed " << std::setw(2)
      << facts.fixed << "  roads " << std::setw(2) << facts.road_pieces;
  if (level.solve && level.solve->solvable) {
    out << "  solutions " << std::setw(4) << level.solve->solutions
        << (level.solve->reached_cap ? "+" : " ") << "  difficulty " << std::setw(2)
        << *level.difficulty;
  }
  if (level.valid()) {
    out << "  ok";
  } else {
    out << "  INVALID";
    for (const std::string& problem : level.problems) out << "\n    " << problem;
  }
  for (const std::string& note : level.notes) out << "\n    note: " << note;
  out << "\n";
}

}  // namespace

bool FileReport::ok() const {
  return problems.empty() && !levels.empty() &&
         std::all_of(levels.begin(), levels.end(), [](const LevelReport& l) { return l.valid(); });
}

std::vector<Board> SplitRecords(const std::vector<std::uint8_t>& bytes) {
  const std::size_t records = std::min<std::size_t>(bytes.size() / kRecordSize, kMaxLevels);
  std::vector<Board> levels(records);
  for (std::size_t index = 0; index < records; ++index) {
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(index * kRecordSize), kRecordSize,
                levels[index].begin());
  }
  return levels;
}

FileReport CheckLevelBytes(const std::vector<std::uint8_t>& bytes, int solution_cap) {
  FileReport report;
  report.file_size = bytes.size();
  report.solution_cap = solution_cap;
  const std::size_t records = bytes.size() / kRecordSize;
  const std::size_t left_over = bytes.size() % kRecordSize;
  if (bytes.empty()) {
    report.problems.push_back("the file is empty; the game would show one blank level");
  } else if (records == 0) {
    report.problems.push_back(
        "the file holds " + std::to_string(bytes.size()) +
        " bytes, not one complete level of 63; the game would show one blank level");
  } else if (left_over != 0) {
    report.problems.push_back(
        std::to_string(left_over) +
        " bytes after the last complete level are not a level; the game ignores them");
  }
  if (records > static_cast<std::size_t>(kMaxLevels)) {
    report.problems.push_back(std::to_string(records) +
                              " levels, but the game reads only the first " +
                              std::to_string(kMaxLevels));
  }
  const std::vector<Board> levels = SplitRecords(bytes);
  for (std::size_t index = 0; index < levels.size(); ++index) {
    report.levels.push_back(CheckLevel(static_cast<int>(index) + 1, levels[index], solution_cap));
  }
  const auto unreadable =
      std::find_if(report.levels.begin(), report.levels.end(),
                   [](const LevelReport& l) { return !l.facts.uncatalogued_cells.empty(); });
  if (unreadable != report.levels.end()) {
    report.problems.push_back(
        "the game stops reading at level " + std::to_string(unreadable->number) +
        ", the first one with a code that has no tile, and keeps only the levels before it");
  }
  return report;
}

void PrintFileReport(std::ostream& out, const FileReport& report) {
  for (const LevelReport& level : report.levels) PrintLevel(out, level);
  for (const std::string& problem : report.problems) out << "file: " << problem << "\n";

  int valid = 0, solvable = 0, unique = 0, at_cap = 0, falls = 0, first_fall = 0;
  std::optional<int> lowest, highest, previous;
  for (const LevelReport& level : report.levels) {
    if (level.valid()) ++valid;
    if (!level.solve || !level.solve->solvable) continue;
    ++solvable;
    if (level.solve->solutions == 1) ++unique;
    if (level.solve->reached_cap) ++at_cap;
    const int difficulty = *level.difficulty;
    lowest = std::min(lowest.value_or(difficulty), difficulty);
    highest = std::max(highest.value_or(difficulty), difficulty);
    if (previous && difficulty < *previous && falls++ == 0) first_fall = level.number;
    previous = difficulty;
  }
  const int count = static_cast<int>(report.levels.size());
  out << "summary: " << report.file_size << " bytes, " << count
      << (count == 1 ? " level, " : " levels, ") << valid << " valid, " << count - valid
      << " invalid\n";
  out << "solvable: " << solvable << " of " << count << "; with one solution: " << unique
      << "; with " << report.solution_cap << " or more: " << at_cap << "\n";
  if (lowest) {
    out << "difficulty: " << *lowest << " to " << *highest;
    if (falls == 0)
      out << ", never falling from one level to the next\n";
    else
      out << ", falling " << falls << " times (first at level " << first_fall << ")\n";
  }
  out << "result: " << (report.ok() ? "OK" : "PROBLEMS FOUND") << "\n";
}

}  // namespace verlumo::levels
