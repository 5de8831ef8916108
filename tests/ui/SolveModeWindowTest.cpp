// Solve mode in the real main window, offscreen: the entries, a puzzle typed
// through keys and solved to its last solution, unsolvable puzzles, the
// combinations, cancelling, the watchdog's question and the puzzle files.

#include <QMenu>

#include "SolveWindowDriver.h"
#include "WindowFixture.h"

namespace varelo {
namespace {

using testing::Completions;
using testing::Emptied;
using testing::ExpectedFileText;
using testing::IsSolvedGrid;
using testing::kRectA;
using testing::kRectB;
using testing::kRectC;
using testing::RelabelledGrid;
using testing::SolveWindowTest;

const GridDigits kGrid = RelabelledGrid(0, 0);
// Easter Monster with one digit more, which clashes with nothing: no solution.
constexpr char kNoSolution[] = "1.......2.9.4...5...6...7...5.9.3.......7.......85..437.....6...3...9.8...2.....1";

GridDigits Parse(const char* text) {
  GridDigits grid{};
  for (int p = 0; p < 81; ++p) grid[p] = text[p] == '.' ? 0 : static_cast<unsigned char>(text[p] - '0');
  return grid;
}

// The three grids of a combination chained through their corners, each
// with one rectangle emptied: two ways for each grid.
struct Chain {
  GridDigits solved[4];
  GridDigits typed[4];
};
Chain MakeChain() {
  Chain c{};
  c.solved[1] = kGrid;
  c.solved[2] = RelabelledGrid(0, c.solved[1][80]);
  c.solved[3] = RelabelledGrid(72, c.solved[2][8]);
  c.typed[1] = Emptied(c.solved[1], {kRectA});
  c.typed[2] = Emptied(c.solved[2], {kRectB});
  c.typed[3] = Emptied(c.solved[3], {kRectC});
  return c;
}

TEST_F(SolveWindowTest, TheFunctionKeysAndTheStartScreenEnterSolveMode) {
  OpenActive();
  const struct {
    Qt::Key key;
    const char* order;
    std::vector<int> grids;
  } entries[] = {{Qt::Key_F11, "二阶", {1, 2}}, {Qt::Key_F12, "三阶", {1, 2, 3}}, {Qt::Key_F9, "一阶", {0}}};
  for (const auto& entry : entries) {
    Key(entry.key);
    Settle();
    SCOPED_TRACE(entry.order);
    EXPECT_EQ(Child<QLabel>(ctl::LblTop(0))->text(), "求解数独");
    EXPECT_EQ(Child<QLabel>(ctl::LblTop(1))->text(), QString::fromUtf8(entry.order));
    EXPECT_EQ(Child<QLabel>(ctl::LblTop(2))->text(), "不可用");
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(Child<QLabel>(ctl::LblTime(i))->text().isEmpty());
    EXPECT_FALSE(Button(1)->isVisible());
    for (int i = 2; i <= 5; ++i) EXPECT_TRUE(Button(i)->isVisible()) << i;
    EXPECT_EQ(Buttons(), "求解- 3+ 4-");
    EXPECT_EQ(Button(5)->text(), "保存结果");
    EXPECT_TRUE(Action(ctl::kWenjian)->isVisible());
    for (int grid : entry.grids) EXPECT_TRUE(window->gridView(grid)->isVisible()) << grid;
  }

  // Any other mode hides the file submenu again.
  Key(Qt::Key_F6);
  Settle();
  EXPECT_FALSE(Action(ctl::kWenjian)->isVisible());
  EXPECT_FALSE(Button(2)->isVisible());
}

TEST_F(SolveWindowTest, StartScreenLabelFourteenOpensOrderThree) {
  Open();
  game().Hover(ctl::LblBegin(2));
  Settle();
  auto* label = Child<QLabel>(ctl::LblBegin(14));
  ASSERT_TRUE(label->isVisible());
  QTest::mouseClick(label, Qt::LeftButton);
  Settle();
  EXPECT_EQ(Child<QLabel>(ctl::LblTop(1))->text(), "三阶");
  EXPECT_EQ(Buttons(), "求解- 3+ 4-");
  for (int grid : {1, 2, 3}) EXPECT_TRUE(window->gridView(grid)->isVisible());
  EXPECT_TRUE(Action(ctl::kWenjian)->isVisible());
}

TEST_F(SolveWindowTest, ATypedPuzzleIsSolvedToItsLastSolution) {
  OpenActive();
  Key(Qt::Key_F9);
  const GridDigits typed = Emptied(kGrid, {kRectA, kRectB, kRectC});
  const auto solutions = Completions(kGrid, {kRectA, kRectB, kRectC});
  ASSERT_EQ(solutions.size(), 8u);
  for (const GridDigits& s : solutions) ASSERT_TRUE(IsSolvedGrid(s));

  int typedCount = 0;
  for (int n = 1; n <= 81; ++n) {
    if (typed[n - 1] == 0) continue;
    TypeAt(n, typed[n - 1]);
    ++typedCount;
    if (typedCount == 8) {
      EXPECT_EQ(Buttons(), "求解- 3+ 4-") << "eight digits are too few";
    }
    if (typedCount == 9) {
      EXPECT_EQ(Buttons(), "求解+ 3+ 4-") << "the ninth enables it";
    }
  }
  ASSERT_EQ(Digits(0), typed);
  EXPECT_EQ(CountInk(0, colours::kBlack), 69) << "typed digits are black";

  Hold();
  Press(2);
  EXPECT_EQ(Buttons(), "取消+ 3- 4-") << "run going";
  EXPECT_EQ(Hint(), "求解中，请稍后……");
  EXPECT_TRUE(SolvingMenus());
  Release();
  FinishRun();

  EXPECT_EQ(Buttons(), "求下一种解+ 3+ 4+") << "solution shown";
  EXPECT_EQ(Digits(0), solutions[0]);
  EXPECT_EQ(CountInk(0, colours::kBlack), 69);
  EXPECT_EQ(CountInk(0, colours::kBlue), 12) << "the solver's digits are blue";
  EXPECT_EQ(Hint(), "(hidden)");
  EXPECT_TRUE(IdleMenus());
  const int solverCell = kRectA.row1 * 9 + kRectA.column1 + 1;
  EXPECT_GT(PixelsOf(0, solverCell, QColor(0, 0, 255)), 0) << "drawn in blue";
  EXPECT_EQ(PixelsOf(0, solverCell, QColor(0, 0, 0)), 0);
  EXPECT_GT(PixelsOf(0, 1, QColor(0, 0, 0)), 0) << "a typed digit is drawn in black";

  // A single grid keeps its next-solution caption after clearing the results
  // and continues after the cleared solution.
  Press(4);
  EXPECT_EQ(Digits(0), typed);
  EXPECT_EQ(Buttons(), "求下一种解+ 3+ 4-");
  for (std::size_t i = 1; i < solutions.size(); ++i) {
    Press(2);
    EXPECT_EQ(Button(2)->text(), "取消");
    FinishRun();
    ASSERT_EQ(Digits(0), solutions[i]) << "solution " << i + 1;
  }
  EXPECT_TRUE(Asked().isEmpty());

  Press(2);
  FinishRun();
  ASSERT_EQ(Asked(), QStringList{"没有下一种解！\n该数独共有8种解。"});
  EXPECT_EQ(prompter.asked[0].icon, Prompt::Icon::Information);
  EXPECT_EQ(Buttons(), "求解+ 3+ 4-") << "search exhausted";
  EXPECT_EQ(Digits(0), typed) << "the last solution is removed";
  EXPECT_TRUE(IdleMenus());

  Press(3);
  EXPECT_EQ(Buttons(), "求解- 3+ 4-") << "after reset";
  EXPECT_EQ(Digits(0), GridDigits{});
  TypeAt(41, 5);
  EXPECT_EQ(board().digit(0, 41), 5) << "the grid takes digits again";
}

TEST_F(SolveWindowTest, AnUnsolvablePuzzleAndAFileWithClashingGivensHaveNoSolution) {
  OpenActive();
  Key(Qt::Key_F9);
  const GridDigits none = Parse(kNoSolution);
  for (int n = 1; n <= 81; ++n)
    if (none[n - 1] != 0) TypeAt(n, none[n - 1]);
  ASSERT_EQ(Digits(0), none);
  Press(2);
  FinishRun();
  EXPECT_EQ(Asked(), QStringList{"此数独无解！"});
  EXPECT_EQ(Buttons(), "求解+ 3+ 4-") << "end of search";
  EXPECT_EQ(Digits(0), none);
  EXPECT_TRUE(IdleMenus());
  EXPECT_TRUE(board().gridEditable(0));

  // Two 5s in the first row; every free cell could still be filled without
  // touching a given, which a search that only tests its own cells accepts.
  GridDigits clash{};
  for (int p : {0, 1, 20, 30, 40, 50, 60, 70, 80}) clash[p] = kGrid[p];
  clash[1] = clash[0];
  PlaceFile(QStringLiteral("sk1.txt"), ExpectedFileText({clash}));
  prompter.asked.clear();
  LoadFile(1);
  ASSERT_EQ(Digits(0), clash);
  Press(2);
  FinishRun();
  EXPECT_EQ(Asked(), QStringList{"此数独无解！"});
  EXPECT_EQ(Buttons(), "求解+ 3+ 4-");
  EXPECT_EQ(CountInk(0, colours::kBlue), 0);
}

TEST_F(SolveWindowTest, OrderTwoStepsThroughAllItsSolutions) {
  OpenActive();
  Key(Qt::Key_F11);
  const Chain chain = MakeChain();
  PlaceFile(QStringLiteral("sk1.txt"), ExpectedFileText({chain.typed[1], chain.typed[2]}));
  LoadFile(1);
  ASSERT_EQ(Digits(1), chain.typed[1]);
  ASSERT_EQ(Digits(2), chain.typed[2]);
  EXPECT_EQ(Buttons(), "求解+ 3+ 4-");

  const auto first = Completions(chain.solved[1], {kRectA});
  const auto second = Completions(chain.solved[2], {kRectB});
  // Grid 2 runs through its solutions before grid 1 takes its next one.
  for (int i = 0; i < 4; ++i) {
    Press(2);
    FinishRun();
    ASSERT_EQ(Buttons(), "求下一种解+ 3+ 4+") << i;
    EXPECT_EQ(Digits(1), first[i / 2]) << "solution " << i + 1;
    EXPECT_EQ(Digits(2), second[i % 2]) << "solution " << i + 1;
    EXPECT_EQ(CountInk(1, colours::kBlue) + CountInk(2, colours::kBlue), 8);
  }
  Press(2);
  FinishRun();
  EXPECT_EQ(Asked(), QStringList{"没有下一种解！\n该数独共有4种解。"});
  EXPECT_EQ(Buttons(), "求解+ 3+ 4-");
  EXPECT_EQ(Digits(1), chain.typed[1]);
  EXPECT_EQ(Digits(2), chain.typed[2]);

  // After a solution, clearing the results starts a combination afresh.
  Press(2);
  FinishRun();
  ASSERT_EQ(Button(2)->text(), "求下一种解");
  Press(4);
  EXPECT_EQ(Buttons(), "求解+ 3+ 4-");
  EXPECT_EQ(Digits(1), chain.typed[1]);
  EXPECT_EQ(Digits(2), chain.typed[2]);
  Press(2);
  FinishRun();
  EXPECT_EQ(Digits(1), first[0]) << "the first solution again";
  EXPECT_EQ(Digits(2), second[0]);
}

TEST_F(SolveWindowTest, OrderThreeHidesItsIntermediateGridsAndShowsTheSolution) {
  OpenActive();
  Key(Qt::Key_F12);
  const Chain chain = MakeChain();
  PlaceFile(QStringLiteral("sk1.txt"), ExpectedFileText({chain.typed[1], chain.typed[2], chain.typed[3]}));
  LoadFile(1);
  for (int grid : {1, 2, 3}) ASSERT_EQ(Digits(grid), chain.typed[grid]) << grid;

  // Held once grids 1 and 2 are written: their solver digits stay out of
  // sight, the typed ones in view, and grid 3 is not written yet.
  HoldAfter(3);
  Press(2);
  for (int i = 0; i < 50; ++i) QApplication::processEvents();
  ASSERT_TRUE(solver().running());
  for (int grid : {1, 2}) {
    for (int n = 1; n <= 81; ++n) {
      const CellState& cell = board().cell(grid, n);
      ASSERT_NE(cell.digit, 0) << grid << "/" << n << ": written by the run";
      EXPECT_EQ(cell.digitShown, cell.kind != EntryKind::Solver) << grid << "/" << n;
    }
  }
  const int hiddenCell = kRectA.row1 * 9 + kRectA.column1 + 1;
  EXPECT_EQ(PixelsOf(1, hiddenCell, QColor(0, 0, 255)), 0) << "not drawn while hidden";
  EXPECT_EQ(Digits(3), chain.typed[3]);
  Release();
  FinishRun();

  const auto first = Completions(chain.solved[1], {kRectA});
  const auto second = Completions(chain.solved[2], {kRectB});
  const auto third = Completions(chain.solved[3], {kRectC});
  EXPECT_EQ(Digits(1), first[0]);
  EXPECT_EQ(Digits(2), second[0]);
  EXPECT_EQ(Digits(3), third[0]);
  for (int grid : {1, 2, 3})
    for (int n = 1; n <= 81; ++n) ASSERT_TRUE(board().cell(grid, n).digitShown) << grid << "/" << n;
  EXPECT_GT(PixelsOf(1, hiddenCell, QColor(0, 0, 255)), 0) << "shown once the run ends";

  Press(2);
  FinishRun();
  EXPECT_EQ(Digits(1), first[0]);
  EXPECT_EQ(Digits(2), second[0]);
  EXPECT_EQ(Digits(3), third[1]) << "the next solution changes the last grid";

  Press(4);
  EXPECT_EQ(Buttons(), "求解+ 3+ 4-") << "clear results turns the caption back";
  for (int grid : {1, 2, 3}) EXPECT_EQ(Digits(grid), chain.typed[grid]);
}

TEST_F(SolveWindowTest, OrderThreeSolvesSparseGridsIntoOneChain) {
  OpenActive();
  Key(Qt::Key_F12);
  // About a third of each chained grid, the shared corners left open.
  const Chain chain = MakeChain();
  GridDigits sparse[4]{};
  for (int grid : {1, 2, 3})
    for (int p = 0; p < 81; ++p)
      if ((p * 5 + grid) % 3 == 0 && p != 0 && p != 8 && p != 72 && p != 80) sparse[grid][p] = chain.solved[grid][p];
  PlaceFile(QStringLiteral("sk1.txt"), ExpectedFileText({sparse[1], sparse[2], sparse[3]}));
  LoadFile(1);
  Press(2);
  FinishRun();
  ASSERT_EQ(Buttons(), "求下一种解+ 3+ 4+");

  for (int grid : {1, 2, 3}) {
    const GridDigits solved = Digits(grid);
    EXPECT_TRUE(IsSolvedGrid(solved)) << grid;
    for (int p = 0; p < 81; ++p) {
      if (sparse[grid][p] == 0) continue;
      EXPECT_EQ(solved[p], sparse[grid][p]) << grid << "/" << p;
      EXPECT_EQ(board().ink(grid, p + 1), colours::kBlack);
    }
  }
  EXPECT_EQ(board().digit(1, 81), board().digit(2, 1)) << "one digit in a shared corner";
  EXPECT_EQ(board().digit(2, 9), board().digit(3, 73));
  SlideTopBarIn();
  Screenshot(*window, QStringLiteral("solve-order3-solution"));
}

}  // namespace
}  // namespace varelo
