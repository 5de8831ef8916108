#include "PuzzleFile.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <limits>
#include <vector>

#include "SingleGrid.h"
#include "solver/CombinationCount.h"
#include "solver/SolveSession.h"

namespace varelo::bench {

namespace {

constexpr int kRuns = 3;                  // each figure is the best of these
constexpr std::int64_t kCountCap = 1000;  // as `varelo-cli count --max 1000`
constexpr int kNexts = 20;                // next solutions timed per puzzle

struct PuzzleTimes {
  std::string text;
  double solve = 0, next = -1, count = 0;  // microseconds; next < 0: no first solution
  std::int64_t solutions = 0;              // up to kCountCap + 1
};

bool IsPuzzle(const std::string& line) {
  return line.size() == 81 &&
         std::all_of(line.begin(), line.end(), [](char c) { return c == '.' || (c >= '0' && c <= '9'); });
}

std::vector<std::string> ReadPuzzles(std::istream& in) {
  std::vector<std::string> puzzles;
  for (std::string line; std::getline(in, line);) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    if (IsPuzzle(line)) puzzles.push_back(line);
  }
  return puzzles;
}

template <typename Work>
double BestMicroseconds(Work work) {
  double best = std::numeric_limits<double>::max();
  for (int i = 0; i < kRuns; ++i) best = std::min(best, work() * 1000.0);
  return best;
}

// One timed solve run on the typed puzzle: fresh, or resumed from `from`
// (the search state after an earlier solution, the board without the
// solver's digits, as the next-solution command leaves it). `after` gets the
// state the run ends in.
double TimeRun(const std::string& puzzle, const SearchState* from, SearchState& after, RunOutcome& outcome) {
  Board board;
  TypeInto(board, puzzle.c_str());
  SearchState state;
  if (from != nullptr) state = *from;
  SolveSession session(board, state);
  const auto t = Clock::now();
  from != nullptr ? session.StartResume() : session.StartFresh();
  outcome = session.Finish();
  const double ms = Ms(Clock::now() - t);
  after = state;
  return ms;
}

PuzzleTimes Measure(const std::string& puzzle) {
  PuzzleTimes times;
  times.text = puzzle;
  SearchState state;
  RunOutcome outcome{};
  times.solve = BestMicroseconds([&] { return TimeRun(puzzle, nullptr, state, outcome); });
  // Each next solution, up to the exhaustion or kNexts of them: the slowest.
  for (int k = 0; k < kNexts && outcome == RunOutcome::Solved; ++k) {
    const SearchState before = state;
    times.next = std::max(times.next, BestMicroseconds([&] { return TimeRun(puzzle, &before, state, outcome); }));
  }
  std::array<GridDigits, 3> grids{};
  for (int p = 0; p < 81; ++p) grids[0][p] = static_cast<unsigned char>(puzzle[p] >= '1' ? puzzle[p] - '0' : 0);
  times.count = BestMicroseconds([&] {
    const auto t = Clock::now();
    times.solutions = CountGameSolutions(0, grids, kCountCap + 1);
    return Ms(Clock::now() - t);
  });
  return times;
}

void PrintFigures(const char* what, const std::vector<PuzzleTimes>& all, double PuzzleTimes::*field) {
  std::vector<const PuzzleTimes*> timed;
  for (const PuzzleTimes& t : all)
    if (t.*field >= 0) timed.push_back(&t);
  if (timed.empty()) return;
  std::sort(timed.begin(), timed.end(),
            [&](const PuzzleTimes* a, const PuzzleTimes* b) { return a->*field < b->*field; });
  const auto at = [&](size_t i) { return timed[std::min(i, timed.size() - 1)]->*field; };
  std::printf("%-6s %9.1f %9.1f %9.1f  %s\n", what, at(timed.size() / 2), at(timed.size() * 99 / 100),
              timed.back()->*field, timed.back()->text.c_str());
}

void WriteTimes(const std::string& path, const std::vector<PuzzleTimes>& all) {
  std::ofstream out(path);
  for (const PuzzleTimes& t : all) {
    out << t.text << ' ' << t.solve << ' ';
    if (t.next >= 0)
      out << t.next;
    else
      out << '-';
    out << ' ' << t.count << '\n';
  }
}

}  // namespace

int RunPuzzleFile(const std::string& path, const std::string& timesPath) {
  std::ifstream file;
  if (path != "-") {
    file.open(path);
    if (!file) {
      std::fprintf(stderr, "bench_solver: cannot read %s\n", path.c_str());
      return 2;
    }
  }
  const std::vector<std::string> puzzles = ReadPuzzles(path == "-" ? std::cin : file);
  std::vector<PuzzleTimes> all;
  int unique = 0, several = 0, none = 0;
  for (const std::string& puzzle : puzzles) {
    all.push_back(Measure(puzzle));
    const std::int64_t n = all.back().solutions;
    (n == 0 ? none : n == 1 ? unique : several) += 1;
  }
  if (!timesPath.empty()) WriteTimes(timesPath, all);
  std::printf("%s: %zu puzzles (%d with one solution, %d with several, %d with none)\n", path.c_str(), all.size(),
              unique, several, none);
  std::printf("%-6s %9s %9s %9s  %s\n", "us", "median", "p99", "worst", "slowest puzzle");
  PrintFigures("solve", all, &PuzzleTimes::solve);
  PrintFigures("next", all, &PuzzleTimes::next);
  PrintFigures("count", all, &PuzzleTimes::count);
  return 0;
}

}  // namespace varelo::bench
