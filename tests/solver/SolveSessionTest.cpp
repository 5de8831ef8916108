// The board side of a solve run: what is loaded, what is written back, the
// outcomes, the slices and the fall-back rules.

#include <gtest/gtest.h>

#include "core/Board.h"
#include "solver/PuzzleFactory.h"
#include "solver/SolveSession.h"
#include "solver/SolveTrace.h"
#include "solver/WorkArrays.h"

namespace varelo::testing {
namespace {

// Inkala's puzzle of 2010, one solution.
constexpr char kOneSolution[] = "8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..";
// The puzzle with one given removed: 85 solutions.
constexpr char kSeveral[] = "8..........36......7..9.2...5...7.......457.....1...3...1....68..8....1..9....4..";

class SolveSessionTest : public ::testing::Test {
 protected:
  void Type(int order, std::initializer_list<const char*> grids) {
    TypedPuzzle puzzle;
    puzzle.order = order;
    int k = 0;
    for (const char* g : grids) puzzle.grids[k++] = ParseGrid(g);
    TypePuzzle(board, puzzle);
  }

  Board board;
  SearchState state;
  SolveSession session{board, state};
};

TEST_F(SolveSessionTest, SolutionFillsOnlyTheEmptyCellsInBlue) {
  Type(0, {kOneSolution});
  session.StartFresh();
  ASSERT_EQ(session.Finish(), RunOutcome::Solved);

  const GridDigits puzzle = ParseGrid(kOneSolution);
  const GridDigits shown = board.digitsOf(0);
  EXPECT_TRUE(Consistent(shown));
  for (int n = 1; n <= 81; ++n) {
    const CellState& cell = board.cell(0, n);
    if (puzzle[n - 1] != 0) {
      EXPECT_EQ(cell.digit, puzzle[n - 1]);
      EXPECT_EQ(cell.kind, EntryKind::Pen) << "the typed digit stays the player's";
      EXPECT_EQ(board.InkOf(cell), colours::kBlack);
    } else {
      EXPECT_NE(cell.digit, 0);
      EXPECT_EQ(cell.kind, EntryKind::Solver);
      EXPECT_EQ(board.InkOf(cell), colours::kBlue);
    }
  }
  EXPECT_EQ(state.SolutionCount, 1);
  EXPECT_FALSE(state.Solving);
  EXPECT_EQ(state.WorkCell, SearchState::kGridComplete);
  for (int grid = 0; grid < kGridCount; ++grid) EXPECT_FALSE(board.gridEditable(grid));
}

TEST_F(SolveSessionTest, FullyTypedGridIsItsOwnOnlySolution) {
  // No free cell: the first search shows the grid as it is, the next finds
  // nothing left.
  Type(0, {"812753649943682175675491283154237896369845721287169534521974368438526917796318452"});
  session.StartFresh();
  EXPECT_EQ(session.Finish(), RunOutcome::Solved);
  session.StartResume();
  EXPECT_EQ(session.Finish(), RunOutcome::Exhausted);
  EXPECT_EQ(state.SolutionCount, 1);
}

TEST_F(SolveSessionTest, ClearingSolvingCancelsAtTheNextSlice) {
  Type(3, {kSeveral, "", ""});
  session.StartFresh();
  EXPECT_EQ(session.Advance(), RunOutcome::Running);
  state.Solving = false;
  EXPECT_TRUE(session.cancelRequested());
  EXPECT_EQ(session.Advance(), RunOutcome::Cancelled);
  EXPECT_FALSE(session.running());
  EXPECT_EQ(session.Advance(), RunOutcome::Cancelled) << "an ended run stays ended";
}

TEST_F(SolveSessionTest, CombinationIsSolvedGridByGridInSlices) {
  Type(3, {kSeveral, "", ""});
  session.StartFresh();
  int slices = 1;
  RunOutcome outcome = session.Advance();
  for (; outcome == RunOutcome::Running; ++slices) outcome = session.Advance();
  ASSERT_EQ(outcome, RunOutcome::Solved);
  EXPECT_GE(slices, 4) << "preparation and one slice per grid";
  EXPECT_EQ(state.WorkGrid, 3);
  EXPECT_EQ(board.digit(1, 81), board.digit(2, 1));
  EXPECT_EQ(board.digit(2, 9), board.digit(3, 73));
  EXPECT_EQ(state.SharedDigit12, board.digit(1, 81));
  EXPECT_EQ(state.SharedDigit23, board.digit(2, 9));
  for (int grid = 1; grid <= 3; ++grid) EXPECT_TRUE(Consistent(board.digitsOf(grid)));
}

TEST_F(SolveSessionTest, TypedCornerThatGrid2CannotTakeMeansNoSolution) {
  // Grid 1's typed corner 5 clashes with nothing in grid 1, but grid 2 has a
  // 5 in its row 1: no solution of grid 1 can help.
  Type(2, {"................................................................................5",
           ".......5........................................................................."});
  session.StartFresh();
  EXPECT_EQ(session.Finish(), RunOutcome::NoSolution);
}

TEST(WorkArrays, FallBackFreesTheSolverDigitsButKeepsTheCarriedCorner) {
  Board board;
  board.setComboOrder(3);
  SearchState state;
  state.SharedDigit12 = 4;
  const GridDigits solution =
      ParseGrid("439275618187649235265831947523164879971328456648597123712953864896412573354786291");
  for (int n = 1; n <= 81; ++n) {
    board.setDigit(2, n, solution[n - 1]);
    board.setKind(2, n, n % 3 == 0 ? EntryKind::Pen : EntryKind::Solver);
  }
  FallBackTo(board, 2, state);

  EXPECT_EQ(state.WorkGrid, 2);
  EXPECT_EQ(state.SolutionDigits, solution);
  for (int n = 2; n <= 81; ++n) {
    EXPECT_EQ(state.DigitFromSource[n - 1], n % 3 == 0) << n;
    EXPECT_EQ(board.digit(2, n), n % 3 == 0 ? solution[n - 1] : 0) << n;
  }
  EXPECT_TRUE(state.DigitFromSource[0]) << "the corner carried from grid 1 stays fixed";
  EXPECT_EQ(state.SolutionDigits[0], 4);
  EXPECT_EQ(board.digit(2, 1), 4) << "the one corner cell keeps the digit grid 1 settled";
}

TEST(WorkArrays, CornerAgainstGrid3LooksAtItsRowColumnAndBox) {
  Board board;
  board.setComboOrder(3);
  board.setDigit(3, 81, 1);  // row 9
  board.setDigit(3, 1, 2);   // column 1
  board.setDigit(3, 65, 3);  // box 7 (row 8, column 2)
  board.setDigit(3, 9, 4);   // none of them
  board.setDigit(3, 73, 7);  // the corner itself is replaced
  const GridDigits before = board.digitsOf(3);
  EXPECT_FALSE(CheckCornerAgainstGrid3(board, 1));
  EXPECT_FALSE(CheckCornerAgainstGrid3(board, 2));
  EXPECT_FALSE(CheckCornerAgainstGrid3(board, 3));
  EXPECT_TRUE(CheckCornerAgainstGrid3(board, 4));
  EXPECT_TRUE(CheckCornerAgainstGrid3(board, 5));
  EXPECT_EQ(board.digitsOf(3), before);
}

}  // namespace
}  // namespace varelo::testing
