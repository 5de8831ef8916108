// The fast solver against the literal search (no yields) on hard, multi-
// solution and unsolvable puzzles. For each puzzle: the fast solver's first
// solution, its slowest single "next solution" and the final exhaustion
// (median of repeated runs), then the literal search doing the same work, and
// the ratio of the totals. When the literal search exceeds its step limit
// only the first solution is compared (or nothing, marked ">").

#include "FixedSet.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "SingleGrid.h"
#include "core/Board.h"
#include "solver/LiteralSearch.h"
#include "solver/SolveSession.h"

namespace varelo::bench {

namespace {

struct Sample {
  const char* name;
  const char* puzzle;  // '.' = empty
};

// Hard for a row-major search, several solutions, no solution.
const Sample kSamples[] = {
    // One solution, hard for a row-major search.
    {"17 givens, anti-backtrack", "..............3.85..1.2.......5.7.....4...1...9.......5......73..2.1........4...9"},
    {"AI Escargot", "1....7.9..3..2...8..96..5....53..9...1..8...26....4...3......1..4......7..7...3.."},
    {"Inkala 2010", "8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4.."},
    {"Easter Monster", "1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1"},
    // Several solutions: one given of the above removed.
    {"Escargot - 1 (20 sol.)", "1....7....3..2...8..96..5....53..9...1..8...26....4...3......1..4......7..7...3.."},
    {"Easter M. - 1 (18 sol.)", "1.......2.9.4...5...6...7...5.9.3.......7.......8...4.7.....6...3...9.8...2.....1"},
    {"Inkala - 1 (85 sol.)", "8..........36......7..9.2...5...7.......457.....1...3...1....68..8....1..9....4.."},
    {"17 givens - 1 (190 sol.)", "..............3.85..1.2.......5.7.....4...1...........5......73..2.1........4...9"},
    // No solution, though no two givens clash.
    {"17 givens + 1 (none)", "..............3.85..1.2.......5.7.....4...1..19.......5......73..2.1........4...9"},
    {"Easter M. + 1 (none)", "1.......2.9.4...5...6...7...5.9.3.......7.......85..437.....6...3...9.8...2.....1"},
    {"dead last cell (none)", "........9...............................................................12345678."},
};

struct FastRun {
  double first = 0, slowestNext = 0, last = 0, total = 0;
  int solutions = 0;
  bool solvedAtAll = false;
};

// One run of the fast solver: solve, then next until the end (at most
// `maxSolutions` solutions).
FastRun RunFast(const char* puzzle, int maxSolutions) {
  Board board;
  TypeInto(board, puzzle);
  SearchState state;
  SolveSession session(board, state);
  FastRun run;
  auto t0 = Clock::now();
  session.StartFresh();
  RunOutcome outcome = session.Finish();
  run.first = Ms(Clock::now() - t0);
  run.total = run.first;
  run.last = run.first;
  while (outcome == RunOutcome::Solved && run.solutions < maxSolutions) {
    ++run.solutions;
    run.solvedAtAll = true;
    EmptyLastGrid(board);
    auto t = Clock::now();
    session.StartResume();
    outcome = session.Finish();
    const double ms = Ms(Clock::now() - t);
    run.total += ms;
    run.last = ms;
    if (outcome == RunOutcome::Solved) run.slowestNext = std::max(run.slowestNext, ms);
  }
  return run;
}

struct LiteralRun {
  double firstMs = 0, totalMs = 0;
  long long firstSteps = 0, totalSteps = 0;
  int solutions = 0;
  bool firstDone = false, allDone = false;
};

LiteralRun RunLiteral(const char* puzzle, int maxSolutions, long long stepLimit) {
  Board board;
  TypeInto(board, puzzle);
  reference::LiteralSearch search(board);
  search.setStepBudget(stepLimit);
  LiteralRun run;
  auto t0 = Clock::now();
  auto ending = search.Solve();
  run.firstMs = Ms(Clock::now() - t0);
  run.firstSteps = search.steps();
  run.firstDone = ending != reference::Ending::OutOfSteps;
  while (ending == reference::Ending::Solved && run.solutions < maxSolutions) {
    ++run.solutions;
    EmptyLastGrid(board);
    ending = search.Next();
  }
  run.totalMs = Ms(Clock::now() - t0);
  run.totalSteps = search.steps();
  run.allDone = ending != reference::Ending::OutOfSteps;
  return run;
}

// The slowest slices of the fast solver over many random puzzles: sparse
// ones with many solutions, spoilt ones without, and combinations. Every
// slice is what the window does between two returns to the event loop.
struct SweepFigures {
  std::vector<double> slices;
  int runs = 0;
};

void TimeRun(SolveSession& session, bool fresh, SweepFigures& figures) {
  fresh ? session.StartFresh() : session.StartResume();
  ++figures.runs;
  for (;;) {
    const auto t = Clock::now();
    const RunOutcome outcome = session.Advance();
    figures.slices.push_back(Ms(Clock::now() - t));
    if (outcome != RunOutcome::Running) return;
  }
}

GridDigits RandomPuzzle(std::mt19937& rng, int givens) {
  // A random completion of a random first row, thinned out.
  Board board;
  SearchState state;
  std::vector<int> row{1, 2, 3, 4, 5, 6, 7, 8, 9};
  std::shuffle(row.begin(), row.end(), rng);
  for (int n = 1; n <= 9; ++n) board.setDigit(0, n, row[n - 1]);
  SolveSession session(board, state);
  session.StartFresh();
  session.Finish();
  GridDigits grid = board.digitsOf(0);
  std::vector<int> cells(81);
  for (int p = 0; p < 81; ++p) cells[p] = p;
  std::shuffle(cells.begin(), cells.end(), rng);
  for (int i = 0; i < 81 - givens; ++i) grid[cells[i]] = 0;
  return grid;
}

void Sweep() {
  std::mt19937 rng(7);
  SweepFigures figures;
  for (int i = 0; i < 3000; ++i) {
    const int order = i % 3 == 0 ? 0 : (i % 3 == 1 ? 2 : 3);
    Board board;
    board.setComboOrder(order);
    const int first = order == 0 ? 0 : 1;
    const int grids = order == 0 ? 1 : order;
    for (int k = 0; k < grids; ++k) {
      const GridDigits puzzle = RandomPuzzle(rng, std::uniform_int_distribution(17, 34)(rng));
      for (int n = 1; n <= 81; ++n) {
        if (!puzzle[n - 1]) continue;
        board.setDigit(first + k, n, puzzle[n - 1]);
      }
      // Now and then one digit more, which often leaves no solution.
      if (rng() % 3 == 0) {
        const int n = std::uniform_int_distribution(1, 81)(rng);
        if (board.digit(first + k, n) == 0) board.setDigit(first + k, n, std::uniform_int_distribution(1, 9)(rng));
      }
    }
    SearchState state;
    SolveSession session(board, state);
    TimeRun(session, true, figures);
    for (int next = 0; next < 5 && session.outcome() == RunOutcome::Solved; ++next) {
      for (int n = 1; n <= 81; ++n)
        if (board.isFixed(order == 0 ? 0 : order, n)) board.clearEntry(order == 0 ? 0 : order, n);
      TimeRun(session, false, figures);
    }
  }
  std::vector<double>& t = figures.slices;
  std::sort(t.begin(), t.end());
  std::printf("\nsweep: %d runs on random puzzles (17-34 givens, a third spoilt; single, order 2, order 3)\n",
              figures.runs);
  std::printf("slices %zu: median %.3f ms, 99%% %.3f ms, 99.9%% %.3f ms, slowest %.3f ms\n", t.size(), t[t.size() / 2],
              t[t.size() * 99 / 100], t[t.size() * 999 / 1000], t.back());
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int RunFixedSet(long long stepLimit) {
  constexpr int kMaxSolutions = 200;
  constexpr int kRepeats = 15;
  std::printf("%-24s %5s | %9s %9s %9s %9s | %14s %10s %14s %10s | %9s\n", "puzzle", "sols", "fast 1st", "max next",
              "exhaust", "total", "literal steps", "1st ms", "all steps", "all ms", "ratio");
  for (const Sample& sample : kSamples) {
    std::vector<double> first, next, last, total;
    FastRun run;
    for (int i = 0; i < kRepeats; ++i) {
      run = RunFast(sample.puzzle, kMaxSolutions);
      first.push_back(run.first);
      next.push_back(run.slowestNext);
      last.push_back(run.last);
      total.push_back(run.total);
    }
    const LiteralRun literal = RunLiteral(sample.puzzle, kMaxSolutions, stepLimit);
    char ratio[32];
    if (literal.allDone)
      std::snprintf(ratio, sizeof ratio, "%.0f", literal.totalMs / Median(total));
    else if (literal.firstDone && run.solvedAtAll)
      std::snprintf(ratio, sizeof ratio, "%.0f (1st)", literal.firstMs / Median(first));
    else
      std::snprintf(ratio, sizeof ratio, "> %.0f", literal.totalMs / Median(total));
    std::printf("%-24s %5d | %9.3f %9.3f %9.3f %9.3f | %14lld %10.1f %13lld%s %10.1f | %9s\n", sample.name,
                run.solutions, Median(first), Median(next), Median(last), Median(total), literal.firstSteps,
                literal.firstMs, literal.totalSteps, literal.allDone ? " " : "+", literal.totalMs, ratio);
  }
  std::printf("times in ms; fast figures are medians of %d runs; '+' marks a literal run cut at %lld steps\n", kRepeats,
              stepLimit);
  Sweep();
  return 0;
}

}  // namespace varelo::bench
