// Playing in the real main window, offscreen, with key and mouse events:
// a mission level won from the start screen, a clash withdrawn, a
// combination won, the clock, pen, pencil and eraser.

#include <QAction>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "SolveWindowDriver.h"
#include "core/Board.h"
#include "game/Completion.h"
#include "game/GameClock.h"
#include "game/TopBarSlide.h"
#include "input/ConflictMarker.h"
#include "model/Controls.h"
#include "model/Twips.h"
#include "settings/SettingsStore.h"
#include "sources/LevelBank.h"
#include "support/Grids.h"
#include "ui/GridView.h"

namespace varelo {
namespace {

using testing::kSolution;
using testing::RelabelledGrid;

class PlayWindowTest : public testing::SolveWindowTest {
 protected:
  QString LabelText(const QString& name) { return Child<QLabel>(name)->text(); }

  void Click(const QString& name) {
    QWidget* widget = Child(name);
    ASSERT_TRUE(widget && widget->isVisible()) << name.toStdString();
    QTest::mouseClick(widget, Qt::LeftButton);
    Settle();
  }
  void Hover(const QString& name) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(Child(name), &enter);
  }
  void Digit(int digit) { Key(static_cast<Qt::Key>(Qt::Key_0 + digit)); }

  // Puts the pointer over a square of a further grid; its frame appears there.
  void PointAt(int grid, int cell) {
    pointer.at = QPoint(-1000000, -1000000);
    for (int g = 1; g <= 3; ++g) window->glide().VerticalTick(g);
    pointer.at = Over(grid, cell);
    for (int g = 1; g <= 3; ++g) Glide(g);
    ASSERT_EQ(game().cursors().state(grid).currentCell, cell);
  }
  // The top bar slides in over half a second; a screenshot wants it there.
  void SlideTopBarIn() {
    for (int i = 0; i < 6; ++i) game().topBar().SlideInTick();
    Settle();
  }
  QStringList Asked() {
    QStringList texts;
    for (const Prompt& p : prompter.asked) texts << p.text;
    return texts;
  }
};

TEST_F(PlayWindowTest, AFirstRunWinsLevelOneWithTheKeyboardAndOpensLevelTwo) {
  Open();
  ResizeTo(900, 680);
  game().levelBank().LoadRest();
  Hover(ctl::LblBegin(0));
  ASSERT_EQ(LabelText(ctl::LblBegin(7)), QStringLiteral("任务模式"));
  Click(ctl::LblBegin(7));
  EXPECT_EQ(LabelText(ctl::LblTop(1)), QStringLiteral("Level 1"));
  EXPECT_EQ(LabelText(ctl::LblTop(0)), QStringLiteral("任务"));
  EXPECT_TRUE(Child(ctl::PicMis(0))->isVisible());

  const QString solution = game().levelBank().entry(1);
  for (int cell = 1; cell <= 81; ++cell) {
    if (board().digit(0, cell) != 0) continue;
    StepTo(cell);
    Digit(solution[cell - 1].digitValue());
  }
  EXPECT_EQ(Asked(), QStringList{QStringLiteral("你赢了！")});
  EXPECT_EQ(LabelText(ctl::LblTop(1)), QStringLiteral("Level 2"));
  EXPECT_EQ(settings.store().Read(SettingKey::MissionLevel), "2");
  EXPECT_EQ(settings.store().Read(SettingKey::LevelsOpened), "2");
  ASSERT_EQ(window->levelMenu().count(), 2);
  EXPECT_EQ(window->levelMenu().item(1)->text(), QStringLiteral("第2关"));
  EXPECT_TRUE(Child(ctl::PicMis(0))->isVisible());
}

TEST_F(PlayWindowTest, AClashIsCrossedLockedAndWithdrawn) {
  Open();
  ResizeTo(900, 680);
  Trigger(ctl::kSjms);
  // A given and an empty cell of the same row.
  int given = 1;
  while (!board().isFixed(0, given)) ++given;
  int empty = (given - 1) / 9 * 9 + 1;
  while (board().digit(0, empty) != 0) ++empty;
  StepTo(empty);
  const Rgb hintBefore = board().background(0, empty);
  Digit(board().digit(0, given));

  EXPECT_EQ(board().ink(0, given), colours::kRed);
  EXPECT_EQ(window->gridView(0)->crossCell(), empty);
  EXPECT_FALSE(board().gridEditable(0));
  EXPECT_EQ(board().background(0, empty), hintBefore);
  SlideTopBarIn();
  Screenshot(*window, QStringLiteral("game-conflict-cross"));

  auto* eraseTimer = game().findChild<QTimer*>(ctl::GridTimer(3, 0));
  ASSERT_TRUE(eraseTimer && eraseTimer->isActive());
  game().conflicts().EraseTick(0);
  EXPECT_EQ(board().digit(0, empty), 0);
  EXPECT_EQ(board().ink(0, given), colours::kBlack);
  EXPECT_EQ(window->gridView(0)->crossCell(), 0);
  EXPECT_TRUE(board().gridEditable(0));
}

TEST_F(PlayWindowTest, PenPencilAndEraserFromTheirIcons) {
  Open();
  ResizeTo(900, 680);
  Trigger(ctl::kSjms);
  int empty = 1;
  while (board().digit(0, empty) != 0) ++empty;
  StepTo(empty);
  Click(ctl::kImgcol);
  EXPECT_EQ(Child(ctl::kImgcol)->toolTip(), QStringLiteral("铅笔"));
  // Any candidate of the cell never clashes.
  int candidate = 1;
  auto clashes = [this, empty](int d) {
    for (int n = 1; n <= 81; ++n) {
      const bool sameRow = (n - 1) / 9 == (empty - 1) / 9, sameColumn = (n - 1) % 9 == (empty - 1) % 9;
      const bool sameBox = (n - 1) / 27 == (empty - 1) / 27 && (n - 1) % 9 / 3 == (empty - 1) % 9 / 3;
      if (n != empty && (sameRow || sameColumn || sameBox) && board().digit(0, n) == d) return true;
    }
    return false;
  };
  while (clashes(candidate)) ++candidate;
  Digit(candidate);
  EXPECT_EQ(board().kind(0, empty), EntryKind::Pencil);
  EXPECT_EQ(board().ink(0, empty), colours::kPencilGrey);
  Click(ctl::kImgcol);
  EXPECT_EQ(Child(ctl::kImgcol)->toolTip(), QStringLiteral("钢笔"));
  Digit(candidate);
  EXPECT_EQ(board().kind(0, empty), EntryKind::Pen);
  EXPECT_EQ(board().ink(0, empty), colours::kBlue);

  Click(ctl::kImgcol);
  Digit(candidate);
  Click(ctl::kImgcle);
  EXPECT_EQ(board().digit(0, empty), 0) << "the eraser clears pencil entries";
}

TEST_F(PlayWindowTest, TheClockCountsInTheTopBar) {
  settings.store().Write(SettingKey::Difficulty, QStringLiteral("2"));
  Open();
  Trigger(ctl::kSjms);
  EXPECT_EQ(LabelText(ctl::LblTime(0)) + LabelText(ctl::LblTime(1)) + LabelText(ctl::LblTime(2)), "10:00");
  game().clock().Tick();
  game().clock().Tick();
  EXPECT_EQ(LabelText(ctl::LblTime(0)) + LabelText(ctl::LblTime(1)) + LabelText(ctl::LblTime(2)), "09:59");

  settings.store().Write(SettingKey::Difficulty, QStringLiteral("1"));
  Trigger(ctl::kZhsj);
  EXPECT_EQ(LabelText(ctl::LblTime(1)), QStringLiteral("∞"));
  EXPECT_FALSE(game().clock().isRunning());
}

// The beginner's "∞" in the clock, as drawn on the time bar: a proper glyph
// as wide as the clock's two digits it stands for, not the substitute
// font's two small rings squeezed into the separator's place.
TEST_F(PlayWindowTest, TheBeginnersInfinityIsDrawnAsWideAsTheClocksDigits) {
  settings.store().Write(SettingKey::Difficulty, QStringLiteral("1"));
  Open();
  Trigger(ctl::kSjms);
  SlideTopBarIn();
  ASSERT_EQ(LabelText(ctl::LblTime(1)), QStringLiteral("∞"));
  QWidget* strip = Child(ctl::kPicture1);
  const QImage image = strip->grab().toImage();
  // The white of the glyph, anywhere between the minutes' and the seconds' places.
  const QWidget* minutes = Child(ctl::LblTime(0));
  const QWidget* seconds = Child(ctl::LblTime(2));
  QRect ink;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = minutes->x(); x <= seconds->geometry().right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      const bool frame = c.blue() - c.red() > 32;  // the strip's lilac outline
      if (std::min({c.red(), c.green(), c.blue()}) > 127 && !frame) ink |= QRect(x, y, 1, 1);
    }
  }
  Screenshot(*strip, QStringLiteral("clock-infinity"));
  const int digits = QFontMetrics(minutes->font()).tightBoundingRect(QStringLiteral("00")).width();
  EXPECT_GE(ink.width(), digits) << "ink " << ink.width() << "x" << ink.height();
  EXPECT_GE(ink.height(), ink.width() / 3) << "ink " << ink.width() << "x" << ink.height();
  const QWidget* separator = Child(ctl::LblTime(1));
  EXPECT_LE(qAbs(ink.center().x() - separator->mapTo(strip, separator->rect().center()).x()), 1)
      << "centred on the separator's place";
}

TEST_F(PlayWindowTest, ACombinationWonByPointerAndKeysLocksItsGrids) {
  Open();
  ResizeTo(1100, 760);
  // A known pair of solutions, chained through the corner.
  game().links().randomFill = [](const FillRequest& request) {
    FilledGrid filled;
    filled.digits = request.workGrid == 2 ? RelabelledGrid(0, request.sharedDigit12) : RelabelledGrid(0, 0);
    return filled;
  };
  Trigger(ctl::kZhej);
  EXPECT_EQ(LabelText(ctl::LblTop(1)), QStringLiteral("二阶"));
  const GridDigits grid1 = RelabelledGrid(0, 0);
  const GridDigits grid2 = RelabelledGrid(0, grid1[80]);
  for (int grid : {1, 2}) {
    const GridDigits& solution = grid == 1 ? grid1 : grid2;
    for (int cell = 1; cell <= 81; ++cell) {
      if (board().digit(grid, cell) != 0) continue;
      PointAt(grid, cell);
      Digit(solution[cell - 1]);
    }
  }
  EXPECT_EQ(Asked(), QStringList{QStringLiteral("你赢了！")});
  EXPECT_FALSE(board().gridEditable(1));
  EXPECT_FALSE(board().gridEditable(2));
  ASSERT_TRUE(game().completion().pointerRunning());
  for (int i = 0; i < 5; ++i) game().completion().BobPointer();
  EXPECT_TRUE(Child(ctl::kImgpt)->isVisible());
  PointAt(1, 40);
  const int before = board().digit(1, 40);
  Digit(before == 9 ? 1 : before + 1);
  EXPECT_EQ(board().digit(1, 40), before) << "a won combination takes no keys";
  SlideTopBarIn();
  Screenshot(*window, QStringLiteral("combination-win"));

  // Minimised, nobody sees the bob: its timer waits, and the bob goes on
  // from where it was once the window is back.
  QTimer* bob = game().findChild<QTimer*>(ctl::kTimer17);
  const int top = controls().top(ctl::kImgpt);
  window->showMinimized();
  Settle();
  EXPECT_FALSE(bob->isActive());
  EXPECT_TRUE(game().completion().pointerRunning());
  window->showNormal();
  EXPECT_TRUE(bob->isActive());
  EXPECT_EQ(controls().top(ctl::kImgpt), top);
}

}  // namespace
}  // namespace varelo
