// A solve run in the real window while it goes: the busy bar, the pointer
// glide and the buttons stay live; cancel from the button and from the menu;
// the watchdog's question with a fixed calendar.

#include <QMenu>

#include "BoxWatcher.h"
#include "SolveWindowDriver.h"
#include "WindowFixture.h"

namespace varelo {
namespace {

using testing::Emptied;
using testing::ExpectedFileText;
using testing::kRectA;
using testing::kRectB;
using testing::kRectC;
using testing::RelabelledGrid;
using testing::SolveWindowTest;

const GridDigits kGrid = RelabelledGrid(0, 0);
const QString kBar = ctl::kShape1;
const QString kStrip = ctl::kPicture1;

class SolveRunWindowTest : public SolveWindowTest {
 protected:
  // Solve mode of one grid with a puzzle of eight solutions loaded.
  void OpenWithPuzzle(Prompter* asker = nullptr) {
    PlaceFile(QStringLiteral("sk1.txt"), ExpectedFileText({typed}));
    OpenActive(asker);
    Key(Qt::Key_F9);
    LoadFile(1);
    ASSERT_EQ(Digits(0), typed);
    solver().setCalendar([this] { return today; });
  }
  // Starts a run that makes no progress until released.
  void StartHeldRun() {
    Hold();
    Press(2);
    Settle();
    ASSERT_TRUE(solver().running());
    ASSERT_EQ(Buttons(), "取消+ 3- 4-");
  }
  void ExpectCancelled() {
    EXPECT_FALSE(solver().running());
    EXPECT_EQ(Buttons(), "求解+ 3+ 4-") << "after cancel";
    EXPECT_EQ(Hint(), "求解已取消。");
    EXPECT_TRUE(Timer("Timer6")->isActive());
    EXPECT_EQ(Timer("Timer6")->interval(), 3000);
    EXPECT_FALSE(Timer("Timer7")->isActive());
    EXPECT_FALSE(Timer("Timer15")->isActive());
    EXPECT_EQ(controls().left(kBar), 0);
    EXPECT_EQ(controls().width(kBar), controls().width(kStrip));
    EXPECT_EQ(Child(kBar)->width(), Child(kStrip)->width()) << "the bar fills the strip again";
    EXPECT_TRUE(IdleMenus());
    EXPECT_EQ(CountInk(0, colours::kBlue) + CountInk(1, colours::kBlue) + CountInk(2, colours::kBlue) +
                  CountInk(3, colours::kBlue),
              0);
    EXPECT_EQ(solver().search().SolutionCount, 0);
    solver().EndTimedHint();
    EXPECT_EQ(Hint(), "(hidden)");
  }
  QString Question(int seconds) {
    return QStringLiteral("已经经过很长时间仍未求出解，原因可能是所给数独无解。\n是否继续求解？\n\n") +
           QString::number(seconds) + QStringLiteral("秒钟后继续。");
  }

  const GridDigits typed = Emptied(kGrid, {kRectA, kRectB, kRectC});
  QDate today{2024, 1, 15};
};

TEST_F(SolveRunWindowTest, TheBusyBarAndThePointerGlideRunWhileTheButtonCancels) {
  OpenWithPuzzle();
  StartHeldRun();

  // The bar is a 350-twip block that Timer15 moves on by itself.
  ASSERT_TRUE(Timer("Timer15")->isActive());
  EXPECT_EQ(Timer("Timer15")->interval(), 25);
  EXPECT_EQ(controls().width(kBar), 350);
  EXPECT_EQ(Child(kBar)->width(), ToPixels(350));
  ASSERT_TRUE(QTest::qWaitFor([this] { return controls().left(kBar) > -350; }, 5000)) << "the bar moves during the run";
  EXPECT_EQ(Child(kBar)->x(), ToPixels(controls().left(kBar)));
  // Each tick moves it 75 twips; at the strip's end it starts again at -350.
  const int strip = controls().width(kStrip);
  ASSERT_GT(strip, 0);
  Timer("Timer15")->stop();
  bool wrapped = false;
  for (int tick = 0; tick < 200 && !wrapped; ++tick) {
    const int before = controls().left(kBar);
    solver().StepBusyBar();
    const int after = controls().left(kBar);
    if (before + 75 >= strip) {
      EXPECT_EQ(after, -350);
      wrapped = true;
    } else {
      ASSERT_EQ(after, before + 75);
    }
  }
  EXPECT_TRUE(wrapped);
  for (int tick = 0; tick < 30; ++tick) solver().StepBusyBar();
  SlideTopBarIn();
  Screenshot(*window, QStringLiteral("solve-running"));
  Timer("Timer15")->start();

  // The cursor of the main grid glides to the pointer on its own timers.
  MovePointer(Over(0, 41));
  EXPECT_TRUE(QTest::qWaitFor([this] { return game().cursors().state(0).currentCell == 41; }, 5000))
      << "the glide follows the pointer during the run";
  // Keys reach no grid while the run goes.
  Key(Qt::Key_5);
  EXPECT_EQ(board().digit(0, 41), typed[40]);
  EXPECT_TRUE(solver().running());

  Press(2);
  Settle();
  ExpectCancelled();
  EXPECT_EQ(Digits(0), typed) << "the typed digits stay";
  EXPECT_TRUE(board().gridEditable(0));
  Release();

  // After a cancel the next click solves afresh.
  Press(2);
  FinishRun();
  EXPECT_EQ(Buttons(), "求下一种解+ 3+ 4+");
}

TEST_F(SolveRunWindowTest, TheMenuItemCancelsACombinationRunAndShowsItsGrids) {
  OpenActive();
  Key(Qt::Key_F12);
  EXPECT_FALSE(Action(ctl::kQxqj)->isVisible());
  GridDigits grids[4];
  grids[1] = Emptied(kGrid, {kRectA});
  grids[2] = Emptied(RelabelledGrid(0, kGrid[80]), {kRectB});
  grids[3] = Emptied(RelabelledGrid(72, grids[2][8]), {kRectC});
  PlaceFile(QStringLiteral("sk1.txt"), ExpectedFileText({grids[1], grids[2], grids[3]}));
  LoadFile(1);

  // Held with grid 1 solved out of sight.
  HoldAfter(2);
  Press(2);
  for (int i = 0; i < 50; ++i) QApplication::processEvents();
  ASSERT_TRUE(solver().running());
  ASSERT_GT(CountInk(1, colours::kBlue), 0);
  EXPECT_TRUE(SolvingMenus());

  Trigger(ctl::kQxqj);
  ExpectCancelled();
  for (int grid : {1, 2, 3}) {
    EXPECT_EQ(Digits(grid), grids[grid]) << grid;
    EXPECT_TRUE(board().gridEditable(grid));
    for (int n = 1; n <= 81; ++n) ASSERT_TRUE(board().cell(grid, n).digitShown) << grid << "/" << n;
  }
  Release();
}

TEST_F(SolveRunWindowTest, ModeMenusAndTheirKeysAreShutDuringARun) {
  OpenWithPuzzle();
  StartHeldRun();
  EXPECT_TRUE(SolvingMenus());
  // The menus are disabled, and so are their function keys: the board must
  // not change under the search.
  for (Qt::Key key : {Qt::Key_F6, Qt::Key_F7, Qt::Key_F8, Qt::Key_F9, Qt::Key_F11, Qt::Key_F12}) {
    Key(key);
    Settle();
    EXPECT_EQ(Child<QLabel>(ctl::LblTop(0))->text(), "求解数独") << key;
    EXPECT_EQ(Child<QLabel>(ctl::LblTop(1))->text(), "一阶") << key;
    EXPECT_EQ(Digits(0), typed) << key;
    EXPECT_EQ(Button(2)->text(), "取消") << key;
  }
  ASSERT_TRUE(solver().running());
  Press(2);
  ExpectCancelled();
  Release();

  // Idle again, the keys work.
  Key(Qt::Key_F11);
  Settle();
  EXPECT_EQ(Child<QLabel>(ctl::LblTop(1))->text(), "二阶");
}

TEST_F(SolveRunWindowTest, TheWatchdogAsksWithTheSeasonsDelayAndYesGoesOn) {
  OpenWithPuzzle();
  EXPECT_EQ(Timer("Timer7")->interval(), 60000);
  StartHeldRun();
  ASSERT_TRUE(Timer("Timer7")->isActive());

  prompter.answers = {Answer::Yes};
  solver().AskToGoOn();
  ASSERT_EQ(prompter.asked.size(), 1);
  const Prompt& january = prompter.asked[0];
  EXPECT_EQ(january.text, Question(8));
  EXPECT_EQ(january.title, "Varelo");
  EXPECT_EQ(january.icon, Prompt::Icon::Question);
  EXPECT_EQ(january.buttons, Prompt::Buttons::YesNo);
  EXPECT_EQ(january.autoYesAfterMs, 8000);
  // Yes, the player's or the automatic one: the run and the bar go on.
  EXPECT_TRUE(solver().running());
  EXPECT_TRUE(Timer("Timer7")->isActive());
  EXPECT_TRUE(Timer("Timer15")->isActive());
  EXPECT_EQ(Button(2)->text(), "取消");
  Release();
  FinishRun();
  EXPECT_EQ(Buttons(), "求下一种解+ 3+ 4+");
  EXPECT_FALSE(Timer("Timer7")->isActive()) << "no question after the run";

  today = QDate(2024, 7, 1);
  StartHeldRun();
  prompter.answers = {Answer::Yes};
  solver().AskToGoOn();
  ASSERT_EQ(prompter.asked.size(), 2);
  EXPECT_EQ(prompter.asked[1].text, Question(15));
  EXPECT_EQ(prompter.asked[1].autoYesAfterMs, 15000);
  Press(2);
  Release();
}

// Answers Yes, after doing something while the question is open.
class BusyAsker : public Prompter {
 public:
  Answer Ask(const Prompt&) override {
    if (whileOpen) whileOpen();
    return Answer::Yes;
  }
  std::function<void()> whileOpen;
};

TEST_F(SolveRunWindowTest, AResizeWhileTheQuestionIsOpenKeepsTheBusyBlock) {
  BusyAsker asker;
  OpenWithPuzzle(&asker);
  StartHeldRun();
  asker.whileOpen = [this] { ResizeTo(1000, 700); };
  solver().AskToGoOn();
  EXPECT_TRUE(Timer("Timer15")->isActive());
  EXPECT_EQ(controls().width(kBar), 350) << "the run still owns the bar";
  EXPECT_EQ(Child(kBar)->width(), ToPixels(350));

  Press(2);
  Release();
  EXPECT_EQ(controls().width(kBar), controls().width(kStrip));
  window.reset();  // before the asker goes
}

TEST_F(SolveRunWindowTest, TheWindowsOwnQuestionBoxAsksAndItsNoCancels) {
  PlaceFile(QStringLiteral("sk1.txt"), ExpectedFileText({typed}));
  window = std::make_unique<MainWindow>(settings.store(), AppPaths{programDir->path()}, nullptr, &pointer);
  window->show();
  ResizeTo(1100, 760);
  Key(Qt::Key_F9);
  LoadFile(1);
  solver().setCalendar([] { return QDate(2024, 8, 31); });
  StartHeldRun();

  QString text, title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QWidget* owner = nullptr;
  testing::BoxWatcher answerNo([&](QMessageBox& box) {
    text = box.text();
    title = box.windowTitle();
    icon = box.icon();
    owner = box.parentWidget();
    box.button(QMessageBox::No)->click();
  });
  solver().AskToGoOn();
  ASSERT_TRUE(answerNo.seen);
  EXPECT_EQ(text, Question(15));
  EXPECT_EQ(title, "Varelo");
  EXPECT_EQ(icon, QMessageBox::Question);
  EXPECT_EQ(owner, window.get());
  ExpectCancelled();
  Release();
}

TEST_F(SolveRunWindowTest, NoToTheWatchdogCancelsTheRun) {
  OpenWithPuzzle();
  Press(2);
  FinishRun();
  ASSERT_EQ(Buttons(), "求下一种解+ 3+ 4+");

  StartHeldRun();  // the next solution
  prompter.answers = {Answer::No};
  solver().AskToGoOn();
  ASSERT_EQ(prompter.asked.size(), 1);
  ExpectCancelled();
  EXPECT_EQ(Digits(0), typed);
  Release();
}

TEST_F(SolveRunWindowTest, NoQuestionWhileTheWindowIsMinimisedOrHidden) {
  OpenWithPuzzle();
  StartHeldRun();
  window->showMinimized();
  Settle();
  ASSERT_TRUE(window->isMinimized());
  solver().AskToGoOn();
  EXPECT_TRUE(prompter.asked.isEmpty());
  EXPECT_TRUE(Timer("Timer7")->isActive()) << "the watchdog re-arms";
  EXPECT_TRUE(Timer("Timer15")->isActive());
  EXPECT_TRUE(solver().running());

  window->showNormal();
  Settle();
  window->hideToTray();
  Settle();
  ASSERT_TRUE(window->isHidden() || window->isMinimized());
  solver().AskToGoOn();
  EXPECT_TRUE(prompter.asked.isEmpty());
  EXPECT_TRUE(Timer("Timer7")->isActive());

  window->showNormal();
  Settle();
  Release();
  FinishRun();
  EXPECT_EQ(Buttons(), "求下一种解+ 3+ 4+");
}

}  // namespace
}  // namespace varelo
