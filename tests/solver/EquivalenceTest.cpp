// The fast solver against the literal step-by-step search on generated
// puzzles: the same solutions in the same order, the same board and work
// arrays after each, the same final message and count.

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "solver/CombinationCount.h"
#include "solver/FastSolver.h"
#include "solver/PuzzleFactory.h"
#include "solver/PuzzleKinds.h"
#include "solver/SolveTrace.h"

namespace varelo::testing {
namespace {

constexpr int kMaxSolutions = 60;
constexpr std::int64_t kStepBudget = 4'000'000;

struct Tally {
  int compared = 0;
  int skipped = 0;  // the literal search needed more steps than the budget
  int solutions = 0;
  int noSolution = 0;
  int exhausted = 0;
  int capped = 0;         // more than kMaxSolutions: the first ones compared
  int withFallBacks = 0;  // the literal search fell back to an earlier grid
  int withCornerRejections = 0;
};

// Every grid of a shown solution is complete and valid, and the two records
// of each shared corner agree: a check that does not lean on the reference.
void ExpectValidSolution(const TypedPuzzle& puzzle, const SolvePoint& point) {
  auto digits = [&](int grid) {
    GridDigits d{};
    for (int n = 1; n <= 81; ++n) d[n - 1] = static_cast<unsigned char>(point.cells[grid * 81 + n - 1].digit);
    return d;
  };
  const int first = puzzle.order == 0 ? 0 : 1;
  const int last = puzzle.order == 0 ? 0 : puzzle.order;
  for (int grid = first; grid <= last; ++grid) {
    const GridDigits d = digits(grid);
    EXPECT_TRUE(std::count(d.begin(), d.end(), 0) == 0 && Consistent(d))
        << "grid " << grid << " " << FormatGrid(d) << " of " << puzzle.Describe();
  }
  if (puzzle.order >= 2) {
    EXPECT_EQ(digits(1)[80], digits(2)[0]) << puzzle.Describe();
  }
  if (puzzle.order == 3) {
    EXPECT_EQ(digits(2)[8], digits(3)[72]) << puzzle.Describe();
  }
}

void Compare(const TypedPuzzle& puzzle, Tally& tally) {
  const SolveTrace literal = TraceReference(puzzle, kMaxSolutions, kStepBudget);
  if (literal.ending == "out of steps") {
    ++tally.skipped;
    return;
  }
  const SolveTrace fast = TraceFast(puzzle, kMaxSolutions);
  ASSERT_EQ(fast.ending, literal.ending) << puzzle.Describe();
  ASSERT_EQ(fast.count, literal.count) << puzzle.Describe();
  ASSERT_EQ(fast.solutions.size(), literal.solutions.size()) << puzzle.Describe();
  for (size_t i = 0; i < fast.solutions.size(); ++i) {
    ASSERT_TRUE(fast.solutions[i] == literal.solutions[i]) << "solution " << i + 1 << " of " << puzzle.Describe();
    ExpectValidSolution(puzzle, fast.solutions[i]);
  }
  if (literal.ending != "too many") {
    EXPECT_EQ(CountGameSolutions(puzzle.order, puzzle.grids, 1000), literal.count)
        << "counted without showing: " << puzzle.Describe();
  }
  ++tally.compared;
  tally.solutions += static_cast<int>(literal.solutions.size());
  tally.noSolution += literal.ending == "no solution";
  tally.exhausted += literal.ending == "exhausted";
  tally.capped += literal.ending == "too many";
  tally.withFallBacks += literal.fallBacks > 0;
  tally.withCornerRejections += literal.cornerRejections > 0;
}

void Report(const char* what, const Tally& tally) {
  std::printf(
      "[ %s ] %d compared, %d over the step budget; %d solutions shown; endings: %d no "
      "solution, %d exhausted, %d capped; %d with fall-backs, %d with corner rejections\n",
      what, tally.compared, tally.skipped, tally.solutions, tally.noSolution, tally.exhausted, tally.capped,
      tally.withFallBacks, tally.withCornerRejections);
}

TEST(Equivalence, SingleGridsWithOneSolution) {
  std::mt19937 rng(101);
  Tally tally;
  for (int i = 0; i < 300; ++i) {
    TypedPuzzle puzzle;
    puzzle.grids[0] = DigUnique(RandomSolution(rng), std::uniform_int_distribution(24, 40)(rng), rng);
    Compare(puzzle, tally);
    if (HasFatalFailure()) return;
  }
  Report("one solution", tally);
  EXPECT_GE(tally.compared, 270);
}

TEST(Equivalence, SingleGridsWithSeveralSolutions) {
  std::mt19937 rng(202);
  Tally tally;
  for (int i = 0; i < 300; ++i) {
    TypedPuzzle puzzle;
    puzzle.grids[0] = DigSeveral(rng, 2, 40);
    Compare(puzzle, tally);
    if (HasFatalFailure()) return;
  }
  Report("several solutions", tally);
  EXPECT_GE(tally.compared, 270);
}

TEST(Equivalence, SingleGridsWithoutSolution) {
  std::mt19937 rng(303);
  Tally tally;
  for (int i = 0; i < 200; ++i) {
    TypedPuzzle puzzle;
    const GridDigits base = i % 2 ? DigSeveral(rng, 1, 5) : DigUnique(RandomSolution(rng), 30, rng);
    puzzle.grids[0] = Spoil(base, rng);
    Compare(puzzle, tally);
    if (HasFatalFailure()) return;
  }
  Report("no solution", tally);
  EXPECT_GE(tally.compared, 150);
}

TEST(Equivalence, ClashingGivensHaveNoSolution) {
  std::mt19937 rng(404);
  Tally tally;
  for (int i = 0; i < 60; ++i) {
    TypedPuzzle puzzle;
    GridDigits grid = Dig(RandomSolution(rng), std::uniform_int_distribution(20, 50)(rng), rng);
    // A second copy of a digit in its row; every third case puts the clash
    // into the trailing run of givens, where the search would loop for ever.
    const int p = i % 3 == 0 ? 80 : std::uniform_int_distribution(0, 80)(rng);
    const int row = p / 9;
    const int other = row * 9 + (p % 9 + 1 + std::uniform_int_distribution(0, 7)(rng)) % 9;
    if (grid[other] == 0) grid[other] = static_cast<unsigned char>(1 + (grid[p] + 3) % 9);
    grid[p] = grid[other];
    if (p == 80) grid[79] = grid[78] = grid[80] == 1 ? 2 : 1;  // a longer trailing run
    ASSERT_FALSE(Consistent(grid));
    puzzle.grids[0] = grid;
    Compare(puzzle, tally);
    if (HasFatalFailure()) return;
  }
  Report("clashing givens", tally);
  EXPECT_EQ(tally.compared, 60);
}

// Hard for the oracle, and still within reach of the literal search: AI
// Escargot, minimal puzzles of 19 givens from the level generator's low-clue
// climb, and expert puzzles of qqwing's generator.
constexpr const char* kHardPuzzles[] = {
    "1....7.9..3..2...8..96..5....53..9...1..8...26....4...3......1..4......7..7...3..",
    "....1......8..592..4..76...8.32.7...1...............4....6......9........1.....73",
    "......6.3..791......37...4..2...85....91...............6..82........42..........9",
    "......6....7913.....37...4..2...85....91...............6..82........42..........9",
    "..5..2...34.....81....6.....26..7....1.....4....3...........9.59.....3.....18....",
    "..5..2...34.....81....6.....2...7....16....4....3...........9.59.....3.....18....",
    "7......4.....8..976....35..9...5..8..2.7...3..3...26.............5.6...88.....47.",
    "....4.85..1.8...............45..1..66.89..51..71....42..2.5.......78..6..87..2...",
    "1...4..694....3.81..81..5....4..8....1.9............15....56.7.8.54.....7.....9.4",
};

// Each as it is, with a given taken away (several solutions) and with one
// added that leaves none.
TEST(Equivalence, HardAndLowCluePuzzles) {
  std::mt19937 rng(707);
  Tally tally;
  for (const char* text : kHardPuzzles) {
    TypedPuzzle puzzle;
    puzzle.grids[0] = ParseGrid(text);
    std::vector<int> givens;
    for (int p = 0; p < 81; ++p)
      if (puzzle.grids[0][p] != 0) givens.push_back(p);
    TypedPuzzle fewer = puzzle;
    fewer.grids[0][givens[std::uniform_int_distribution<size_t>(0, givens.size() - 1)(rng)]] = 0;
    TypedPuzzle spoilt = puzzle;
    spoilt.grids[0] = Spoil(puzzle.grids[0], rng);
    for (const TypedPuzzle& variant : {puzzle, fewer, spoilt}) {
      Compare(variant, tally);
      if (HasFatalFailure()) return;
    }
  }
  Report("hard and low-clue", tally);
  EXPECT_GE(tally.compared, 20);
}

// Counting without showing, against the literal search shown every solution
// to the end: hundreds of them, most found by the count's last stretch.
TEST(Equivalence, CountsInTheHundreds) {
  std::mt19937 rng(808);
  int compared = 0;
  for (int i = 0; i < 12; ++i) {
    TypedPuzzle puzzle;
    puzzle.grids[0] = DigSeveral(rng, 100, 700);
    const SolveTrace literal = TraceReference(puzzle, 1000, 20'000'000);
    if (literal.ending != "exhausted") continue;
    EXPECT_EQ(CountGameSolutions(0, puzzle.grids, 5000), literal.count) << puzzle.Describe();
    EXPECT_EQ(CountGameSolutions(0, puzzle.grids, 50), 50) << "capped: " << puzzle.Describe();
    ++compared;
  }
  std::printf("[ counts in the hundreds ] %d compared\n", compared);
  EXPECT_GE(compared, 8);
}

void CompareCombinations(int order, unsigned seed, int cases, Tally& tally) {
  std::mt19937 rng(seed);
  for (int i = 0; i < cases; ++i) {
    const bool dead = i % 3 == 1;
    const bool typed = i % 4 == 2;
    Compare(Combination(order, rng, dead, typed), tally);
    if (::testing::Test::HasFatalFailure()) return;
  }
}

TEST(Equivalence, OrderTwoCombinations) {
  Tally tally;
  CompareCombinations(2, 505, 160, tally);
  if (HasFatalFailure()) return;
  Report("order 2", tally);
  EXPECT_GE(tally.compared, 120);
}

TEST(Equivalence, OrderThreeCombinations) {
  Tally tally;
  CompareCombinations(3, 606, 160, tally);
  if (HasFatalFailure()) return;
  Report("order 3", tally);
  EXPECT_GE(tally.compared, 120);
}

}  // namespace
}  // namespace varelo::testing
