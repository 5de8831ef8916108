#pragma once
// Times the solver puzzle by puzzle on a file of puzzles (one a line, 81
// cells, '0' or '.' empty; other lines are skipped): the first solution in
// search order, the slowest of the next solutions after it (up to 20, the
// last of them the exhaustion when there are fewer), and the count up to
// 1000, each the best of three runs.

#include <string>

namespace varelo::bench {

// `path` "-" reads standard input. With `timesPath` set, every puzzle's
// times go there too, one line each: puzzle, solve, next, count in
// microseconds ("-" for a next without a first solution).
int RunPuzzleFile(const std::string& path, const std::string& timesPath);

}  // namespace varelo::bench
