// varelo-cli: the game's solver for scripts. See CliArguments.cpp for usage.

#include <iostream>
#include <sstream>

#include <QCoreApplication>

#include "app/cli/BankCommands.h"
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "app/cli/PuzzleInput.h"

namespace {

constexpr int kBadInput = 2;

int Fail(const std::string& message) {
  std::cerr << "varelo-cli: " << message << "\n(varelo-cli --help shows the usage)\n";
  return kBadInput;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace varelo::cli;
  const std::vector<std::string> words(argv + 1, argv + argc);
  const ParseResult parsed = ParseArguments(words);
  if (!parsed.error.empty()) return Fail(parsed.error);
  const Arguments& args = parsed.arguments;
  if (args.command == Arguments::Command::Help) {
    std::cout << kUsage;
    return 0;
  }
  if (args.command == Arguments::Command::Level) return RunLevel(static_cast<int>(*args.level), std::cout, std::cerr);
  if (args.command == Arguments::Command::Levels) return RunLevels(std::cout);
  if (args.command == Arguments::Command::Generate) {
    QCoreApplication app(argc, argv);
    GenerateOptions options;
    options.order = args.order == 0 ? 1 : args.order;
    if (args.givens) options.givens = static_cast<int>(*args.givens);
    if (args.level) options.level = static_cast<int>(*args.level);
    return RunGenerate(options, std::cout, std::cerr);
  }

  if (args.fromStdin && !args.all) {
    std::string error;
    const int status = RunFilter(args, std::cin, std::cout, error);
    return error.empty() ? status : Fail(error);
  }
  const PuzzleList list =
      args.fromStdin ? PuzzlesFromLines(std::cin, args.order) : PuzzlesFromWords(args.puzzles, args.order);
  if (!list.error.empty()) return Fail(list.error);
  if (args.all && list.puzzles.size() != 1)
    return Fail("solve --all takes one puzzle, " + std::to_string(list.puzzles.size()) + " given");

  // Nothing reaches standard output before every puzzle has been read, so a
  // bad one anywhere prints nothing.
  std::ostringstream out;
  int status = 0;
  switch (args.command) {
    case Arguments::Command::Solve:
      if (args.all) {
        status = RunSolveAll(args, list.puzzles.front(), std::cout);
        return status;
      }
      status = RunSolve(args, list.puzzles, out);
      break;
    case Arguments::Command::Count: status = RunCount(args, list.puzzles, out); break;
    default: break;
  }
  std::cout << out.str();
  return status;
}
