// Solve mode's buttons on a whole game without a window: the button table,
// runs to the end, cancel, next solution until the count, clear-results,
// reset and the watchdog.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include "game/Completion.h"
#include "game/GameHarness.h"
#include "game/SolveController.h"
#include "input/ConflictMarker.h"
#include "solver/PuzzleFactory.h"
#include "solver/SolveTrace.h"
#include "support/QtPrinters.h"

namespace varelo::testing {
namespace {

// AI Escargot with one given removed: 20 solutions.
constexpr char kTwenty[] = "1....7....3..2...8..96..5....53..9...1..8...26....4...3......1..4......7..7...3..";
// Easter Monster with one digit more, which clashes with nothing: no solution.
constexpr char kNone[] = "1.......2.9.4...5...6...7...5.9.3.......7.......85..437.....6...3...9.8...2.....1";
constexpr int kStripWidth = 3000;

class SolveControllerTest : public ::testing::Test {
 protected:
  SolveControllerTest() {
    controller.setCalendar([this] { return today; });
    h.controls().setWidth(ctl::kPicture1, kStripWidth);
  }

  void Enter(int order) { h.game.Click(order == 0 ? ctl::kQjyj : order == 2 ? ctl::kQjej : ctl::kQjsj); }
  void Type(int grid, const char* puzzle) {
    const GridDigits digits = ParseGrid(puzzle);
    for (int n = 1; n <= 81; ++n)
      if (digits[n - 1] != 0 && h.board().digit(grid, n) == 0) h.TypeDigit(grid, n, digits[n - 1]);
  }
  // Every grid of a combination gets the puzzle, its shared corners left to
  // the solver, so each grid has enough digits for the solve button.
  void TypeCombination(int order) {
    for (int grid = 1; grid <= order; ++grid) {
      GridDigits digits = ParseGrid(kTwenty);
      for (int corner : {0, 8, 72, 80}) digits[corner] = 0;
      Type(grid, FormatGrid(digits).c_str());
    }
  }
  void Click(const char* name) { h.game.Click(QString::fromLatin1(name)); }
  // A click on the solve button, which a disabled button would not take.
  void PressSolveButton() {
    ASSERT_TRUE(Enabled(2)) << Caption().toStdString();
    h.game.Click(ctl::Command(2));
  }
  // Lets the event loop turn until the run has ended (a bounded number of turns).
  void Settle() {
    for (int i = 0; i < 10000 && controller.running(); ++i) QCoreApplication::processEvents();
  }
  void Turn(int turns) {
    for (int i = 0; i < turns; ++i) QCoreApplication::processEvents();
  }
  void Hold() {
    controller.runner().setGate([] { return false; });
  }

  QString Caption() { return h.controls().text(ctl::Command(2)); }
  bool Enabled(int command) { return h.controls().isEnabled(ctl::Command(command)); }
  QString Buttons() {
    return Caption() + (Enabled(2) ? "+" : "-") + " 3" + (Enabled(3) ? "+" : "-") + " 4" + (Enabled(4) ? "+" : "-");
  }
  QTimer* Timer(const char* name) { return controller.findChild<QTimer*>(QString::fromLatin1(name)); }
  QString Hint() {
    return h.controls().isVisible(ctl::kLbltishi) ? h.controls().text(ctl::kLbltishi) : QStringLiteral("(hidden)");
  }
  int SolverDigits(int grid) {
    int count = 0;
    for (int n = 1; n <= 81; ++n) count += h.board().isFixed(grid, n);
    return count;
  }
  QString Grid(int grid) { return ToText(h.board().digitsOf(grid)); }
  bool SolvingMenus() {
    const Controls& c = h.controls();
    return c.isVisible(ctl::kQxqj) && c.isVisible(ctl::kMnucav5) && !c.isEnabled(ctl::kCssd) &&
           !c.isEnabled(ctl::kZhsd) && !c.isEnabled(ctl::kQjsd) && !c.isEnabled(ctl::kXuanxiang) &&
           !c.isEnabled(ctl::Command(5)) && !c.isVisible(ctl::kWenjian) && !c.isVisible(ctl::kMnucav6);
  }
  bool IdleMenus() {
    const Controls& c = h.controls();
    return !c.isVisible(ctl::kQxqj) && !c.isVisible(ctl::kMnucav5) && c.isEnabled(ctl::kCssd) &&
           c.isEnabled(ctl::kZhsd) && c.isEnabled(ctl::kQjsd) && c.isEnabled(ctl::kXuanxiang) &&
           c.isEnabled(ctl::Command(5)) && c.isVisible(ctl::kWenjian) && c.isVisible(ctl::kMnucav6);
  }
  int BarLeft() { return h.controls().left(ctl::kShape1); }
  int BarWidth() { return h.controls().width(ctl::kShape1); }

  // The solutions the reference search shows for a single typed grid.
  static SolveTrace Reference(const char* puzzle) {
    TypedPuzzle typed;
    typed.grids[0] = ParseGrid(puzzle);
    return TraceReference(typed, 100, 0);
  }
  static QString Solution(const SolveTrace& trace, int i) {
    QString digits;
    for (int n = 1; n <= 81; ++n) digits += QChar(u'0' + trace.solutions[i].cells[n - 1].digit);
    return digits;
  }

  GameHarness h;
  QDate today{2024, 1, 15};
  SolveController& controller = h.game.solver();
};

TEST_F(SolveControllerTest, ButtonsThroughSolveNextAndTheEnd) {
  Enter(0);
  EXPECT_EQ(Buttons(), "求解- 3+ 4-") << "nothing typed";
  Type(0, kTwenty);
  EXPECT_EQ(Buttons(), "求解+ 3+ 4-");

  PressSolveButton();
  EXPECT_EQ(Buttons(), "取消+ 3- 4-") << "run going";
  EXPECT_EQ(Hint(), "求解中，请稍后……");
  EXPECT_TRUE(SolvingMenus());
  EXPECT_TRUE(Timer("Timer7")->isActive());
  EXPECT_TRUE(Timer("Timer15")->isActive());
  EXPECT_EQ(BarWidth(), 350);
  EXPECT_EQ(BarLeft(), -350);
  for (int grid = 0; grid < kGridCount; ++grid) EXPECT_FALSE(h.board().gridEditable(grid));

  Settle();
  const SolveTrace reference = Reference(kTwenty);
  ASSERT_EQ(reference.count, 20);
  EXPECT_EQ(Buttons(), "求下一种解+ 3+ 4+") << "solution shown";
  EXPECT_EQ(Grid(0), Solution(reference, 0));
  EXPECT_EQ(Hint(), "(hidden)");
  EXPECT_TRUE(h.controls().text(ctl::kLbltishi).isEmpty());
  EXPECT_TRUE(IdleMenus());
  EXPECT_FALSE(Timer("Timer7")->isActive());
  EXPECT_FALSE(Timer("Timer15")->isActive());
  EXPECT_EQ(BarLeft(), 0);
  EXPECT_EQ(BarWidth(), kStripWidth);
  EXPECT_TRUE(h.board().gridEditable(0));

  for (int i = 1; i < 20; ++i) {
    PressSolveButton();
    EXPECT_EQ(Caption(), "取消");
    Settle();
    ASSERT_EQ(Grid(0), Solution(reference, i)) << "solution " << i + 1;
  }
  EXPECT_TRUE(h.prompter.prompts.isEmpty());
  PressSolveButton();
  Settle();
  ASSERT_EQ(h.prompter.prompts.size(), 1);
  EXPECT_EQ(h.prompter.prompts[0].text, "没有下一种解！\n该数独共有20种解。");
  EXPECT_EQ(h.prompter.prompts[0].icon, Prompt::Icon::Information);
  EXPECT_EQ(Buttons(), "求解+ 3+ 4-") << "search exhausted";
  EXPECT_EQ(SolverDigits(0), 0) << "the last solution is cleared";
  EXPECT_EQ(Grid(0), ToText(ParseGrid(kTwenty)));
  EXPECT_EQ(controller.search().SolutionCount, 20);
  EXPECT_TRUE(IdleMenus());
  EXPECT_TRUE(h.board().gridEditable(0));
}

TEST_F(SolveControllerTest, UnsolvablePuzzleSaysSo) {
  Enter(0);
  Type(0, kNone);
  PressSolveButton();
  Settle();
  ASSERT_EQ(h.prompter.texts(), QStringList{"此数独无解！"});
  EXPECT_EQ(Buttons(), "求解+ 3+ 4-");
  EXPECT_EQ(SolverDigits(0), 0);
}

// A run's end is drawn before its message opens: behind "此数独无解！" the
// window shows the idle buttons and menus, not the run still going.
TEST_F(SolveControllerTest, TheRunsEndIsShownBehindItsMessage) {
  GridDigits unique = ParseGrid(Solution(Reference(kTwenty), 0).toStdString());
  for (int p = 0; p < 9; ++p) unique[p] = 0;  // an open row has one way to be filled
  const struct {
    std::string puzzle;
    int presses;
    QString message;
  } rows[] = {
      {kNone, 1, "此数独无解！"},
      {FormatGrid(unique), 2, "没有下一种解！\n该数独共有1种解。"},
  };
  Enter(0);
  for (const auto& row : rows) {
    h.game.Click(ctl::Command(3));  // reset: an empty grid
    Type(0, row.puzzle.c_str());
    h.prompter.prompts.clear();
    QString behind;
    h.prompter.onAsk = [&](const Prompt&) {
      behind = Buttons() + " | " + Hint() + (IdleMenus() ? " | idle menus" : " | solving menus") + " | solver digits " +
               QString::number(SolverDigits(0));
    };
    for (int i = 0; i < row.presses; ++i) {
      PressSolveButton();
      Settle();
    }
    EXPECT_EQ(h.prompter.texts(), QStringList{row.message});
    EXPECT_EQ(behind.toStdString(), "求解+ 3+ 4- | (hidden) | idle menus | solver digits 0")
        << row.message.toStdString();
  }
}

TEST_F(SolveControllerTest, CancelStopsALongRunAtOnce) {
  Enter(3);
  TypeCombination(3);
  Hold();
  PressSolveButton();
  Turn(100);
  ASSERT_TRUE(controller.running()) << "held on purpose";
  EXPECT_EQ(Caption(), "取消");

  PressSolveButton();
  EXPECT_FALSE(controller.running());
  EXPECT_EQ(Buttons(), "求解+ 3+ 4-") << "after cancel";
  EXPECT_EQ(Hint(), "求解已取消。");
  EXPECT_TRUE(Timer("Timer6")->isActive());
  EXPECT_FALSE(Timer("Timer7")->isActive());
  EXPECT_FALSE(Timer("Timer15")->isActive());
  EXPECT_EQ(BarLeft(), 0);
  EXPECT_TRUE(IdleMenus());
  EXPECT_EQ(controller.search().WorkGrid, 1);
  EXPECT_EQ(controller.search().SolutionCount, 0);
  EXPECT_FALSE(controller.search().Solving);
  for (int grid = 1; grid <= 3; ++grid) {
    EXPECT_TRUE(h.board().gridEditable(grid));
    EXPECT_EQ(SolverDigits(grid), 0);
  }
  controller.EndTimedHint();
  EXPECT_EQ(Hint(), "(hidden)");
  EXPECT_TRUE(h.controls().text(ctl::kLbltishi).isEmpty());

  // The menu item cancels too; a later run goes through.
  PressSolveButton();
  Click("qxqj");
  EXPECT_EQ(Caption(), "求解");
  controller.runner().setGate({});
  PressSolveButton();
  Settle();
  EXPECT_EQ(Caption(), "求下一种解");
  EXPECT_TRUE(h.prompter.prompts.isEmpty());
}

TEST_F(SolveControllerTest, MenuItemDoesNothingWithoutARun) {
  Enter(0);
  Type(0, kTwenty);
  Click("qxqj");
  EXPECT_EQ(Buttons(), "求解+ 3+ 4-");
  EXPECT_FALSE(controller.running());
}

TEST_F(SolveControllerTest, ClicksWaitWhileAConflictIsShown) {
  Enter(0);
  Type(0, kTwenty);
  h.TypeDigit(0, 2, 1);  // a second 1 in row 1: the clash shows until its erase timer ends
  ASSERT_TRUE(h.game.conflicts().anyEraseTimerRunning());
  PressSolveButton();
  EXPECT_EQ(Caption(), "求解");
  EXPECT_FALSE(controller.running());
}

TEST_F(SolveControllerTest, ClearResultsKeepsTheSingleGridsPlaceButRestartsACombination) {
  const SolveTrace reference = Reference(kTwenty);
  Enter(0);
  Type(0, kTwenty);
  PressSolveButton();
  Settle();
  Click("Command4");
  EXPECT_EQ(SolverDigits(0), 0);
  EXPECT_EQ(Buttons(), "求下一种解+ 3+ 4-");
  PressSolveButton();  // continues after the cleared solution
  Settle();
  EXPECT_EQ(Grid(0), Solution(reference, 1));

  Enter(2);
  TypeCombination(2);
  PressSolveButton();
  Settle();
  EXPECT_EQ(Caption(), "求下一种解");
  EXPECT_GT(SolverDigits(2), 0);
  Click("Command4");
  EXPECT_EQ(SolverDigits(1) + SolverDigits(2), 0);
  EXPECT_EQ(Buttons(), "求解+ 3+ 4-") << "a combination searches afresh";
}

TEST_F(SolveControllerTest, ResetEmptiesTheSolveGrids) {
  Enter(2);
  TypeCombination(2);
  PressSolveButton();
  Settle();
  Click("Command3");
  EXPECT_EQ(Buttons(), "求解- 3+ 4-") << "after reset";
  for (int grid = 1; grid <= 2; ++grid) {
    EXPECT_EQ(Grid(grid), QString(81, u'0'));
    for (int n = 1; n <= 81; ++n) EXPECT_EQ(h.board().ink(grid, n), colours::kBlack);
    EXPECT_TRUE(h.board().gridEditable(grid));
  }
  EXPECT_EQ(controller.search().SolutionCount, 0);
}

TEST_F(SolveControllerTest, CombinationKeepsItsWorkOutOfSightUntilTheEnd) {
  Enter(3);
  TypeCombination(3);
  int slices = 0;
  controller.runner().setGate([&] { return ++slices <= 3; });  // preparation, grids 1 and 2
  PressSolveButton();
  Turn(50);
  ASSERT_TRUE(controller.running());
  ASSERT_GT(SolverDigits(1), 0);
  ASSERT_GT(SolverDigits(2), 0);
  for (int grid = 1; grid <= 2; ++grid)
    for (int n = 1; n <= 81; ++n)
      EXPECT_EQ(h.board().cell(grid, n).digitShown, !h.board().isFixed(grid, n)) << grid << ":" << n;

  controller.runner().setGate({});
  Settle();
  EXPECT_EQ(Caption(), "求下一种解");
  for (int grid = 1; grid <= 3; ++grid)
    for (int n = 1; n <= 81; ++n) EXPECT_TRUE(h.board().cell(grid, n).digitShown);
  EXPECT_EQ(h.board().digit(1, 81), h.board().digit(2, 1));
  EXPECT_EQ(h.board().digit(2, 9), h.board().digit(3, 73));
}

TEST_F(SolveControllerTest, BusyBarRunsAcrossTheStripAndStartsOver) {
  Enter(0);
  Type(0, kTwenty);
  Hold();
  PressSolveButton();
  controller.StepBusyBar();
  EXPECT_EQ(BarLeft(), -275);
  int ticks = 1;
  while (BarLeft() != -350 && ticks < 100) {
    EXPECT_LT(BarLeft(), kStripWidth);
    controller.StepBusyBar();
    ++ticks;
  }
  EXPECT_EQ(BarLeft(), -350) << "back once its left edge reached the strip's width";
  EXPECT_EQ(ticks, (kStripWidth + 350 + 74) / 75);
}

TEST_F(SolveControllerTest, WatchdogAsksWithTheSeasonsDelay) {
  Enter(0);
  Type(0, kTwenty);
  Hold();
  PressSolveButton();
  for (const auto& [date, seconds] : {std::pair{QDate(2024, 1, 15), 8}, std::pair{QDate(2024, 7, 1), 15},
                                      std::pair{QDate(2024, 5, 31), 8}, std::pair{QDate(2024, 8, 31), 15}}) {
    today = date;
    h.prompter.prompts.clear();
    controller.AskToGoOn();  // sixty seconds on
    ASSERT_EQ(h.prompter.prompts.size(), 1);
    const Prompt& question = h.prompter.prompts[0];
    EXPECT_EQ(question.text, "已经经过很长时间仍未求出解，原因可能是所给数独无解。\n是否继续求解？\n\n" +
                                 QString::number(seconds) + "秒钟后继续。");
    EXPECT_EQ(question.buttons, Prompt::Buttons::YesNo);
    EXPECT_EQ(question.icon, Prompt::Icon::Question);
    EXPECT_EQ(question.title, "Varelo");
    EXPECT_EQ(question.autoYesAfterMs, seconds * 1000);
    // The automatic Yes: the run goes on and the watchdog is armed again.
    EXPECT_TRUE(controller.running());
    EXPECT_TRUE(Timer("Timer7")->isActive());
    EXPECT_TRUE(Timer("Timer15")->isActive());
    EXPECT_EQ(Caption(), "取消");
  }
}

TEST_F(SolveControllerTest, WatchdogNoCancelsTheRun) {
  Enter(0);
  Type(0, kTwenty);
  Hold();
  PressSolveButton();
  h.prompter.Answer(Answer::No);
  controller.AskToGoOn();
  EXPECT_FALSE(controller.running());
  EXPECT_EQ(Buttons(), "求解+ 3+ 4-");
  EXPECT_EQ(Hint(), "求解已取消。");
  EXPECT_TRUE(Timer("Timer6")->isActive());
  EXPECT_FALSE(Timer("Timer7")->isActive());
  EXPECT_FALSE(Timer("Timer15")->isActive());
  EXPECT_EQ(BarLeft(), 0);
  EXPECT_EQ(BarWidth(), kStripWidth);
  EXPECT_TRUE(IdleMenus());
  EXPECT_EQ(SolverDigits(0), 0);
}

TEST_F(SolveControllerTest, WatchdogStaysQuietWhileTheWindowIsAway) {
  Enter(0);
  Type(0, kTwenty);
  Hold();
  PressSolveButton();
  for (bool minimized : {true, false}) {
    h.window.minimized = minimized;
    h.window.hidden = !minimized;
    controller.AskToGoOn();
    EXPECT_TRUE(h.prompter.prompts.isEmpty());
    EXPECT_TRUE(Timer("Timer7")->isActive()) << "armed again for the next minute";
    EXPECT_TRUE(Timer("Timer15")->isActive());
    EXPECT_TRUE(controller.running());
  }
}

TEST_F(SolveControllerTest, SearchWaitsWhileTheQuestionIsOpen) {
  Enter(3);
  TypeCombination(3);
  PressSolveButton();
  bool ranMeanwhile = false;
  h.prompter.onAsk = [&](const Prompt&) {
    Turn(100);  // the window's message loop while the question is open
    ranMeanwhile = SolverDigits(1) > 0 || !controller.running();
  };
  controller.AskToGoOn();
  EXPECT_FALSE(ranMeanwhile);
  Settle();
  EXPECT_EQ(Caption(), "求下一种解");
}

}  // namespace
}  // namespace varelo::testing
