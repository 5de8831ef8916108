#pragma once
// The commands of varelo-cli that read the level bank or run the game's own
// puzzle generator:
//   varelo-cli level N       bank entry N
//   varelo-cli levels        entries 1..1999, one a line
//   varelo-cli generate [--order 1|2|3] [--givens K] [--level N]
// A generated puzzle is what the game itself would put on the board: the
// givens of a random or combination game (grids space-separated), or those
// of mission level N (the same at every run).

#include <optional>
#include <ostream>

namespace varelo::cli {

struct GenerateOptions {
  int order = 1;             // 1, 2 or 3
  int givens = 35;           // 11..75, random and combination games
  std::optional<int> level;  // a mission level instead
};

// Each returns the exit status (0, or 2 for a level outside the bank).
int RunLevel(int level, std::ostream& out, std::ostream& err);
int RunLevels(std::ostream& out);
int RunGenerate(const GenerateOptions& options, std::ostream& out, std::ostream& err);

}  // namespace varelo::cli
