// Checking a level file as the game will meet it: every record's contents, whether the solver
// can solve it (the record's own arrangement is not trusted), how many solutions it has and how
// difficult it is, plus whatever is wrong with the file as a whole.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/board.h"
#include "tools/levels/level_facts.h"
#include "tools/levels/level_solver.h"

namespace verlumo::levels {

struct LevelReport {
  int number = 0;  // from 1
  LevelFacts facts;
  std::optional<SolveResult> solve;   // absent when the record cannot be searched
  std::optional<int> difficulty;      // present when solvable
  std::vector<std::string> problems;  // each one makes the level invalid
  std::vector<std::string> notes;     // worth knowing, but the game copes

  bool valid() const { return problems.empty(); }
};

struct FileReport {
  std::size_t file_size = 0;
  int solution_cap = kDefaultSolutionCap;
  std::vector<LevelReport> levels;
  std::vector<std::string> problems;  // about the file as a whole

  bool ok() const;
};

// The complete 63-byte records of a level file, at most 500, whatever codes they hold.
std::vector<Board> SplitRecords(const std::vector<std::uint8_t>& bytes);

// Checks the bytes of a level file. Works on any bytes at all.
FileReport CheckLevelBytes(const std::vector<std::uint8_t>& bytes,
                           int solution_cap = kDefaultSolutionCap);

// One line per level, then the file's problems and a summary.
void PrintFileReport(std::ostream& out, const FileReport& report);

}  // namespace verlumo::levels
