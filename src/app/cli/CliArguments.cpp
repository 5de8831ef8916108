#include "app/cli/CliArguments.h"

#include <charconv>
#include <limits>

namespace varelo::cli {

const char* const kUsage =
    "usage: varelo-cli solve [--all] [--max N] [--order 2|3] PUZZLE... | -\n"
    "       varelo-cli count [--max N] [--order 2|3] PUZZLE... | -\n"
    "A puzzle is 81 cells row by row, '0' or '.' for an empty cell. With --order 2 or 3\n"
    "a puzzle is two or three such grids (separate words), chained by their shared\n"
    "corners. '-' reads one puzzle per line from standard input and answers each\n"
    "line as soon as it is read, so varelo-cli can sit in a pipe.\n"
    "solve prints the first solution in the game's search order (or 'none');\n"
    "solve --all prints every solution and 'count: K' ('K+': stopped by --max);\n"
    "count prints the number of solutions ('N+': more than --max N; N is at most\n"
    "9223372036854775807, also without --max). A line of standard input holds at\n"
    "most 4096 bytes.\n"
    "       varelo-cli level N        prints mission level N of the level bank\n"
    "       varelo-cli levels         prints levels 1 to 1999, one a line\n"
    "       varelo-cli generate [--order 1|2|3] [--givens K] [--level N]\n"
    "generate prints the givens the game would set up: a random game of order 1,\n"
    "or a combination of order 2 or 3 (grids separated by a blank), with K givens\n"
    "(11 to 75, default 35) per grid; or those of mission level N.\n"
    "Exit status: 0 every puzzle solved, 1 some without solution, 2 bad input or\n"
    "answers that could not be written.\n";

namespace {

std::optional<std::int64_t> Number(const std::string& text) {
  std::int64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

// Level numbers go on as int: a larger number would wrap round to a real
// level, so it is no level number at all.
std::optional<std::int64_t> LevelNumber(const std::string& text) {
  const auto value = Number(text);
  if (!value || *value < std::numeric_limits<int>::min() || *value > std::numeric_limits<int>::max())
    return std::nullopt;
  return value;
}

// Splits "--name=value" or takes the value from the next word.
bool OptionValue(const std::vector<std::string>& words, size_t& i, const std::string& name, std::string& value,
                 std::string& error) {
  const std::string& word = words[i];
  if (word.size() > name.size() && word.compare(0, name.size() + 1, name + "=") == 0) {
    value = word.substr(name.size() + 1);
    return true;
  }
  if (i + 1 >= words.size()) {
    error = name + " needs a value";
    return false;
  }
  value = words[++i];
  return true;
}

bool Matches(const std::string& word, const std::string& name) {
  return word == name || word.compare(0, name.size() + 1, name + "=") == 0;
}

// A bank command takes no option or word that it would quietly ignore.
void CheckBankCommand(Arguments& args, std::string& error) {
  const bool generate = args.command == Arguments::Command::Generate;
  if (args.all || args.max) {
    error = "--all and --max belong to solve and count";
  } else if (args.command == Arguments::Command::Level) {
    if (args.puzzles.size() != 1 || args.fromStdin || !LevelNumber(args.puzzles[0])) {
      error = "level takes one level number";
    } else if (args.order || args.givens || args.level) {
      error = "level takes no option";
    } else {
      args.level = LevelNumber(args.puzzles[0]);
      args.puzzles.clear();
    }
  } else if (!args.puzzles.empty() || args.fromStdin) {
    error = "unexpected word '" + (args.fromStdin ? std::string("-") : args.puzzles[0]) + "'";
  } else if (!generate && (args.order || args.givens || args.level)) {
    error = "levels takes no option";
  } else if (generate && args.level && (args.order > 1 || args.givens)) {
    error = "generate --level takes no --order or --givens: the level decides";
  }
}

}  // namespace

ParseResult ParseArguments(const std::vector<std::string>& words) {
  ParseResult result;
  Arguments& args = result.arguments;
  std::string& error = result.error;
  bool haveCommand = false;
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    std::string value;
    if (word == "--help" || word == "-h") {
      args.command = Arguments::Command::Help;
      return result;
    } else if (word == "--all") {
      args.all = true;
    } else if (Matches(word, "--max")) {
      if (!OptionValue(words, i, "--max", value, error)) return result;
      args.max = Number(value);
      if (!args.max || *args.max < 1) {
        error = "--max needs a whole number from 1 to 9223372036854775807, not '" + value + "'";
        return result;
      }
    } else if (Matches(word, "--order")) {
      if (!OptionValue(words, i, "--order", value, error)) return result;
      const auto order = Number(value);
      if (!order || *order < 1 || *order > 3) {
        error = "--order must be 2 or 3 (or 1 for generate), not '" + value + "'";
        return result;
      }
      args.order = static_cast<int>(*order);
    } else if (Matches(word, "--givens")) {
      if (!OptionValue(words, i, "--givens", value, error)) return result;
      args.givens = Number(value);
      if (!args.givens || *args.givens < 11 || *args.givens > 75) {
        error = "--givens needs a whole number from 11 to 75, not '" + value + "'";
        return result;
      }
    } else if (Matches(word, "--level")) {
      if (!OptionValue(words, i, "--level", value, error)) return result;
      args.level = LevelNumber(value);
      if (!args.level) {
        error = "--level needs a level number, not '" + value + "'";
        return result;
      }
    } else if (word.size() > 1 && word[0] == '-' && word[1] == '-') {
      error = "unknown option " + word;
      return result;
    } else if (!haveCommand) {
      if (word == "solve")
        args.command = Arguments::Command::Solve;
      else if (word == "count")
        args.command = Arguments::Command::Count;
      else if (word == "level")
        args.command = Arguments::Command::Level;
      else if (word == "levels")
        args.command = Arguments::Command::Levels;
      else if (word == "generate")
        args.command = Arguments::Command::Generate;
      else {
        error = "unknown command '" + word + "' (solve, count, level, levels or generate)";
        return result;
      }
      haveCommand = true;
    } else if (word == "-") {
      args.fromStdin = true;
    } else {
      args.puzzles.push_back(word);
    }
  }
  if (!haveCommand) {
    error = "no command given";
    return result;
  }
  const bool puzzles = args.command == Arguments::Command::Solve || args.command == Arguments::Command::Count;
  if (!puzzles) {
    CheckBankCommand(args, error);
  } else if (args.order == 1) {
    error = "--order must be 2 or 3 for solve and count";
  } else if (args.givens || args.level) {
    error = "--givens and --level belong to generate";
  } else if (args.fromStdin && !args.puzzles.empty()) {
    error = "'-' reads the puzzles from standard input and takes no puzzle besides";
  } else if (!args.fromStdin && args.puzzles.empty()) {
    error = "no puzzle given";
  } else if (args.all && args.command != Arguments::Command::Solve) {
    error = "--all belongs to solve";
  } else if (args.max && args.command == Arguments::Command::Solve && !args.all) {
    error = "--max belongs to count and solve --all";
  }
  return result;
}

}  // namespace varelo::cli
