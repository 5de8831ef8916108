// A full grid counts only when it obeys the rules: one repeated digit in any
// grid of the order keeps a game going and solve mode silent. The keys never
// let such a grid come about, so the test writes it into the board and lets
// a key run the completion check, as every key does.

#include "SolveWindowDriver.h"
#include "model/Controls.h"
#include "support/Grids.h"

namespace varelo {
namespace {

using testing::RelabelledGrid;

class FullGridWindowTest : public testing::SolveWindowTest {
 protected:
  // Fills the empty cells of `grid` with `solution`, one of them with the
  // digit of its row's neighbour instead: full, with one repeat. Returns
  // that cell.
  int FillWithOneRepeat(int grid, const GridDigits& solution) {
    int wrong = 0;
    for (int n = 1; n <= 81; ++n) {
      if (board().digit(grid, n) != 0 || board().partner({grid, n})) continue;
      if (wrong == 0 && n % 9 != 1) wrong = n;
      board().setDigit(grid, n, solution[n - 1]);
    }
    EXPECT_NE(wrong, 0);
    board().setDigit(grid, wrong, solution[wrong - 2]);
    return wrong;
  }
  void FillCorrectly(int grid, const GridDigits& solution) {
    for (int n = 1; n <= 81; ++n)
      if (board().digit(grid, n) == 0) board().setDigit(grid, n, solution[n - 1]);
  }
  void FillCorners(int order, const GridDigits& grid1, const GridDigits& grid2) {
    board().setDigit(1, 81, grid1[80]);
    board().setDigit(2, 1, grid1[80]);
    if (order == 3) {
      board().setDigit(2, 9, grid2[8]);
      board().setDigit(3, 73, grid2[8]);
    }
  }
  void AnyKey() {
    Key(Qt::Key_Home);
    Settle();
  }
  // The three grids of a chain, as the set-up draws them here.
  void KnownChain() {
    game().links().randomFill = [](const FillRequest& request) {
      FilledGrid filled;
      filled.digits = Chain(request.workGrid);
      return filled;
    };
  }
  static GridDigits Chain(int grid) {
    const GridDigits grid1 = RelabelledGrid(0, 0);
    const GridDigits grid2 = RelabelledGrid(0, grid1[80]);
    return grid <= 1 ? grid1 : grid == 2 ? grid2 : RelabelledGrid(72, grid2[8]);
  }
};

TEST_F(FullGridWindowTest, ARepeatedDigitIsNoWinInAnyGridOfAnyOrder) {
  OpenActive();
  KnownChain();
  Trigger(ctl::kSjms);
  int wrong = FillWithOneRepeat(0, Chain(0));
  AnyKey();
  EXPECT_TRUE(Asked().isEmpty()) << Asked().join(u' ').toStdString();
  EXPECT_TRUE(board().gridEditable(0)) << "the game goes on";
  // The same grid with the repeat mended is a win: the fill is sound.
  board().setDigit(0, wrong, Chain(0)[wrong - 1]);
  AnyKey();
  ASSERT_EQ(Asked(), QStringList{QStringLiteral("你赢了！")});
  prompter.asked.clear();

  for (int order : {2, 3}) {
    Trigger(order == 2 ? ctl::kZhej : ctl::kZhsj);
    FillCorners(order, Chain(1), Chain(2));
    for (int grid = 1; grid < order; ++grid) FillCorrectly(grid, Chain(grid));
    wrong = FillWithOneRepeat(order, Chain(order));  // only the last grid breaks the rule
    AnyKey();
    EXPECT_TRUE(Asked().isEmpty()) << "order " << order;
    EXPECT_TRUE(board().gridEditable(order)) << "order " << order;
    board().setDigit(order, wrong, Chain(order)[wrong - 1]);
    AnyKey();
    ASSERT_EQ(Asked(), QStringList{QStringLiteral("你赢了！")}) << "order " << order;
    prompter.asked.clear();
  }
}

TEST_F(FullGridWindowTest, ARepeatedDigitIsNoSudokuInSolveMode) {
  OpenActive();
  for (int order : {0, 2, 3}) {
    Trigger(order == 0 ? ctl::kQjyj : order == 2 ? ctl::kQjej : ctl::kQjsj);
    if (order > 0) FillCorners(order, Chain(1), Chain(2));
    for (int grid = 1; grid < order; ++grid) FillCorrectly(grid, Chain(grid));
    const int wrong = FillWithOneRepeat(order, Chain(order));
    AnyKey();
    EXPECT_TRUE(Asked().isEmpty()) << "order " << order << ": " << Asked().join(u' ').toStdString();
    board().setDigit(order, wrong, Chain(order)[wrong - 1]);
    AnyKey();
    EXPECT_EQ(Asked().size(), 1) << "order " << order << ": the mended grid is a sudoku";
    prompter.asked.clear();
  }
}

}  // namespace
}  // namespace varelo
