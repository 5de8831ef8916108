// varelo-cli's command line: whatever it accepts must be something the
// commands can run as parsed.

#include <limits>

#include "FuzzCheck.h"
#include "FuzzTargets.h"
#include "InputWords.h"
#include "app/cli/CliArguments.h"

namespace varelo::fuzz {

namespace {

using cli::Arguments;

// main() hands level numbers on as int.
bool FitsInt(std::int64_t value) {
  return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
}

void CheckPuzzleCommand(const Arguments& args) {
  Check(args.order == 0 || args.order == 2 || args.order == 3, "solve or count with order 1");
  Check(!args.givens && !args.level, "solve or count kept a generate option");
  Check(args.fromStdin != !args.puzzles.empty(), "solve or count without puzzles, or with two sources");
  Check(!args.max || *args.max >= 1, "--max below 1 accepted");
  Check(!args.all || args.command == Arguments::Command::Solve, "--all outside solve");
  Check(!args.max || args.command == Arguments::Command::Count || args.all, "--max on a plain solve");
}

void CheckBankCommand(const Arguments& args) {
  Check(args.puzzles.empty() && !args.fromStdin, "a bank command kept puzzle words");
  Check(!args.all && !args.max, "a bank command kept --all or --max");
  switch (args.command) {
    case Arguments::Command::Level:
      Check(args.level.has_value(), "level without its number");
      Check(args.order == 0 && !args.givens, "level kept an option");
      Check(!args.level || FitsInt(*args.level), "a level number beyond int is accepted");
      break;
    case Arguments::Command::Levels:
      Check(!args.level && !args.givens && args.order == 0, "levels kept an option");
      break;
    default:  // generate
      Check(args.order >= 0 && args.order <= 3, "generate with an order outside 1..3");
      Check(!args.givens || (*args.givens >= 11 && *args.givens <= 75), "givens outside 11..75");
      Check(!args.level || FitsInt(*args.level), "a level number beyond int is accepted");
      Check(!args.level || (args.order <= 1 && !args.givens), "generate --level with --order or --givens");
      break;
  }
}

}  // namespace

void CliArguments(Bytes input) {
  std::vector<std::string> words = WordsOf(input);
  if (words.size() > 64) words.resize(64);
  const cli::ParseResult result = cli::ParseArguments(words);
  if (!result.error.empty()) return;
  const Arguments& args = result.arguments;
  switch (args.command) {
    case Arguments::Command::Help: return;
    case Arguments::Command::Solve:
    case Arguments::Command::Count: return CheckPuzzleCommand(args);
    default: return CheckBankCommand(args);
  }
}

}  // namespace varelo::fuzz
