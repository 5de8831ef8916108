#pragma once
// The commands of varelo-cli on puzzles already read. Each returns the exit
// status: 0 when every puzzle has a solution, 1 when some has none.

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "app/cli/CliArguments.h"
#include "app/cli/PuzzleInput.h"

namespace varelo::cli {

int RunSolve(const Arguments& args, const std::vector<Puzzle>& puzzles, std::ostream& out);
int RunSolveAll(const Arguments& args, const Puzzle& puzzle, std::ostream& out);
int RunCount(const Arguments& args, const std::vector<Puzzle>& puzzles, std::ostream& out);

// solve or count with '-': each line is answered as soon as it is read, so
// varelo-cli works as a filter in a pipe. A bad line ends the run there with
// status 2 and `error` set; the answers before it stand.
int RunFilter(const Arguments& args, std::istream& in, std::ostream& out, std::string& error);

}  // namespace varelo::cli
