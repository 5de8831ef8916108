// varelo-cli: the game's solver for scripts. See CliArguments.cpp for usage.

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <sstream>

#include "app/cli/BankCommands.h"
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "app/cli/PuzzleInput.h"

namespace {

constexpr int kBadInput = 2;
constexpr int kWriteFailed = 2;

int Fail(const std::string& message) {
  std::cerr << "varelo-cli: " << message << "\n(varelo-cli --help shows the usage)\n";
  return kBadInput;
}

// `error`: the errno of the failed write, 0 when it is not known.
int WriteFailed(int error) {
  std::cerr << "varelo-cli: cannot write to standard output";
  if (error != 0) std::cerr << ": " << std::strerror(error);
  std::cerr << '\n';
  return kWriteFailed;
}

// A command's status, unless its answers did not all reach standard output.
// A broken pipe never gets here: SIGPIPE ends the tool quietly, as it
// ends any filter whose reader has gone.
int Finish(int status) {
  if (std::cout.good()) {
    errno = 0;
    std::cout.flush();
  }
  // A write that failed earlier stopped its command at once, so errno
  // still tells why.
  return std::cout.good() ? status : WriteFailed(errno);
}

int Run(const std::vector<std::string>& words) {
  using namespace varelo::cli;
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
  if (args.all) return RunSolveAll(args, list.puzzles.front(), std::cout);

  // Nothing reaches standard output before every puzzle has been read, so a
  // bad one anywhere prints nothing.
  std::ostringstream out;
  const int status =
      args.command == Arguments::Command::Count ? RunCount(args, list.puzzles, out) : RunSolve(args, list.puzzles, out);
  std::cout << out.str();
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  // With standard output closed, the next file opened would take its place
  // and receive the answers; say so before anything is opened.
  if (fcntl(STDOUT_FILENO, F_GETFD) == -1) return WriteFailed(errno);
  return Finish(Run(std::vector<std::string>(argv + 1, argv + argc)));
}
