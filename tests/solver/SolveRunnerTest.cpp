// A solve run driven from the event loop: it ends by itself, and a held run
// stays live until Solving is cleared.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>

#include "core/Board.h"
#include "solver/PuzzleFactory.h"
#include "solver/SolveRunner.h"
#include "solver/SolveTrace.h"

namespace varelo::testing {
namespace {

class SolveRunnerTest : public ::testing::Test {
 protected:
  SolveRunnerTest() {
    TypedPuzzle puzzle;
    puzzle.order = 3;
    puzzle.grids[0] = ParseGrid("8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..");
    TypePuzzle(board, puzzle);
  }

  // Lets the event loop turn until the run reports, at most `turns` times.
  void Turn(int turns) {
    for (int i = 0; i < turns && finished.count() == 0; ++i) QCoreApplication::processEvents();
  }

  RunOutcome Reported() const { return finished.at(0).at(0).value<RunOutcome>(); }

  Board board;
  SearchState state;
  SolveSession session{board, state};
  SolveRunner runner;
  QSignalSpy finished{&runner, &SolveRunner::finished};
};

TEST_F(SolveRunnerTest, RunEndsThroughTheEventLoop) {
  session.StartFresh();
  runner.run(session);
  EXPECT_TRUE(runner.running());
  EXPECT_EQ(finished.count(), 0) << "nothing runs before the event loop turns";
  Turn(1000);
  ASSERT_EQ(finished.count(), 1);
  EXPECT_EQ(Reported(), RunOutcome::Solved);
  EXPECT_FALSE(runner.running());
  EXPECT_EQ(board.digit(1, 81), board.digit(2, 1));
}

TEST_F(SolveRunnerTest, HeldRunStaysLiveUntilCancelled) {
  runner.setGate([] { return false; });
  session.StartFresh();
  runner.run(session);
  Turn(200);
  EXPECT_EQ(finished.count(), 0);
  EXPECT_TRUE(runner.running());
  EXPECT_TRUE(session.running());

  state.Solving = false;  // what the cancel button does
  Turn(5);
  ASSERT_EQ(finished.count(), 1);
  EXPECT_EQ(Reported(), RunOutcome::Cancelled);
  for (int grid = 1; grid <= 3; ++grid)
    for (int n = 1; n <= 81; ++n) EXPECT_FALSE(board.isFixed(grid, n)) << "no solver digit written";
}

}  // namespace
}  // namespace varelo::testing
