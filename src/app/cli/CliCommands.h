#pragma once
// The commands of varelo-cli on puzzles already read. Each returns the exit
// status: 0 when every puzzle has a solution, 1 when some has none.

#include <ostream>
#include <vector>

#include "app/cli/CliArguments.h"
#include "app/cli/PuzzleInput.h"

namespace varelo::cli {

int RunSolve(const Arguments& args, const std::vector<Puzzle>& puzzles, std::ostream& out);
int RunSolveAll(const Arguments& args, const Puzzle& puzzle, std::ostream& out);
int RunCount(const Arguments& args, const std::vector<Puzzle>& puzzles, std::ostream& out);

}  // namespace varelo::cli
