// The two faults of the game's search rules that the solver mends, shown on
// the reference with the mend switched off, and the mended behaviour.

#include <gtest/gtest.h>

#include <random>

#include "solver/PuzzleFactory.h"
#include "solver/PuzzleKinds.h"
#include "solver/SolveTrace.h"

namespace varelo::testing {
namespace {

GridDigits GridOf(const SolvePoint& point, int grid) {
  GridDigits digits{};
  for (int n = 1; n <= 81; ++n) digits[n - 1] = static_cast<unsigned char>(point.cells[grid * 81 + n - 1].digit);
  return digits;
}

TEST(Mends, ClashingGivensWouldShowABrokenSolutionOrNeverEnd) {
  // A solved grid with three cells emptied and one given changed into a
  // copy of its neighbour. The search only tests the cells it writes, so at
  // the start of the grid the clash goes unseen; at the end of the grid the
  // search tests position 80 again and again.
  const GridDigits solved =
      ParseGrid("812753649943682175675491283154237896369845721287169534521974368438526917796318452");
  auto clashing = [&](int position, int copyOf) {
    TypedPuzzle puzzle;
    puzzle.grids[0] = solved;
    for (int p : {40, 50, 60}) puzzle.grids[0][p] = 0;
    puzzle.grids[0][position] = solved[copyOf];
    return puzzle;
  };
  const TypedPuzzle early = clashing(0, 1);
  const TypedPuzzle late = clashing(80, 79);

  const reference::Mends unmended{.clashingGivensHaveNoSolution = false};
  const SolveTrace shown = TraceReference(early, 1, 1'000'000, unmended);
  ASSERT_EQ(shown.solutions.size(), 1u);
  EXPECT_FALSE(Consistent(GridOf(shown.solutions[0], 0))) << "a 'solution' breaking the rule";
  EXPECT_EQ(TraceReference(late, 1, 1'000'000, unmended).ending, "out of steps");

  for (const TypedPuzzle& puzzle : {early, late}) {
    EXPECT_EQ(TraceReference(puzzle, 1, 1'000'000).ending, "no solution");
    const SolveTrace fast = TraceFast(puzzle, 1);
    EXPECT_EQ(fast.ending, "no solution");
    EXPECT_EQ(fast.count, 0);
  }
}

TEST(Mends, FreeingTheCarriedCornerWouldBreakTheSharedCell) {
  // Order-3 chains that fall back from grid 3 to grid 2: with the corner
  // freed, grid 2 is searched with another corner digit than the one its
  // shared cell holds, and some solution shows a grid 2 that breaks a rule.
  std::mt19937 rng(606);
  int broken = 0, fellBack = 0;
  for (int i = 0; i < 120; ++i) {
    const TypedPuzzle puzzle = Combination(3, rng, i % 3 == 1, false);
    const SolveTrace unmended = TraceReference(puzzle, 60, 4'000'000, {.carriedCornerStaysFixed = false});
    fellBack += unmended.fallBacks > 0;
    for (const SolvePoint& point : unmended.solutions) broken += !Consistent(GridOf(point, 2));
    for (const SolvePoint& point : TraceFast(puzzle, 60).solutions) {
      ASSERT_EQ(GridOf(point, 1)[80], GridOf(point, 2)[0]) << puzzle.Describe();
      ASSERT_TRUE(Consistent(GridOf(point, 2))) << puzzle.Describe();
    }
  }
  EXPECT_GT(fellBack, 0);
  EXPECT_GT(broken, 0) << "no chain showed the fault; the cases do not reach it";
}

}  // namespace
}  // namespace varelo::testing
