// The game's solver on hard puzzles.
//   build/bin/bench_solver [--steps N]
//       the fixed puzzles against the literal search (cut at N steps,
//       default 1e9), and the slice times of a sweep of random puzzles
//   build/bin/bench_solver FILE|- [--times OUT]
//       median, 99th percentile and worst time per puzzle of a file of
//       puzzles, one a line ("-": standard input)

#include <cstdio>
#include <cstdlib>
#include <string>

#include "FixedSet.h"
#include "PuzzleFile.h"

int main(int argc, char** argv) {
  long long steps = 1'000'000'000LL;
  std::string file, times;
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (word == "--steps" && i + 1 < argc) {
      steps = std::atoll(argv[++i]);
    } else if (word == "--times" && i + 1 < argc) {
      times = argv[++i];
    } else if (file.empty() && (word == "-" || word[0] != '-')) {
      file = word;
    } else {
      std::fprintf(stderr, "usage: bench_solver [--steps N] | FILE|- [--times OUT]\n");
      return 2;
    }
  }
  if (!file.empty()) return varelo::bench::RunPuzzleFile(file, times);
  return varelo::bench::RunFixedSet(steps);
}
