#pragma once
// The command line of varelo-cli:
//   varelo-cli solve [--all] [--max N] [--order 2|3] PUZZLE... | -
//   varelo-cli count [--max N] [--order 2|3] PUZZLE... | -
//   varelo-cli level N | levels
//   varelo-cli generate [--order 1|2|3] [--givens K] [--level N]

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varelo::cli {

struct Arguments {
  enum class Command { Solve, Count, Level, Levels, Generate, Help };
  Command command = Command::Help;
  bool all = false;                    // solve --all
  std::optional<std::int64_t> max;     // --max N
  int order = 0;                       // --order 2|3; 0 for single grids
  bool fromStdin = false;              // "-" in place of the puzzles
  std::vector<std::string> puzzles;    // the words after the command, as given
  std::optional<std::int64_t> givens;  // generate --givens K
  std::optional<std::int64_t> level;   // generate --level N, or level N
};

// The parsed arguments, or an error message for the user.
struct ParseResult {
  Arguments arguments;
  std::string error;
};

ParseResult ParseArguments(const std::vector<std::string>& words);

extern const char* const kUsage;

}  // namespace varelo::cli
