// The faults random play found, each replayed on its own in the real window.
// (The seeds found them with the event stream of the time; the stream has
// grown since, so they name where a fault came from, not a replay.)

#include <QMenu>  // the solve driver uses it without including it
#include <QTimer>

#include "SolveWindowDriver.h"
#include "core/Board.h"
#include "game/GameClock.h"
#include "game/GameFlow.h"
#include "input/ConflictMarker.h"
#include "settings/SettingsStore.h"

namespace varelo::testing {
namespace {

class RandomPlayFindingsTest : public SolveWindowTest {
 protected:
  // Types the digit of a given of the main grid into an empty cell of its
  // row, which clashes; returns that cell.
  int ClashInMainGrid() {
    int given = 1;
    while (!board().isFixed(0, given)) ++given;
    int empty = (given - 1) / 9 * 9 + 1;
    while (board().digit(0, empty) != 0) ++empty;
    TypeAt(empty, board().digit(0, given));
    EXPECT_TRUE(Timer("Timer3")->isActive());
    return empty;
  }
  // Opens the window with the game's generator on a fixed seed.
  void OpenSeeded() {
    OpenActive();
    game().random().PinClock(7);
    game().random().Reseed(7);
  }
  void Given(int grid, int cell, int digit) {
    board().setDigit(grid, cell, digit);
    board().setKind(grid, cell, EntryKind::Given);
  }
  void Digit(int digit) { Key(static_cast<Qt::Key>(Qt::Key_0 + digit)); }
  void ClickPicture(const QString& picture) {
    QWidget* widget = Child(picture);
    ASSERT_TRUE(widget->isVisible());
    QTest::mouseClick(widget, Qt::LeftButton);
  }
  // The pointer over a cell, and the glide ticks until the frames rest.
  void PointAt(int grid, int cell) {
    pointer.at = Over(grid, cell);
    auto there = [&] {
      const CursorState& cursor = game().cursors().state(grid);
      return cursor.currentCell == cell && cursor.atRest();
    };
    for (int round = 0; round == 0 || (round < 10 && !there()); ++round)
      for (int g = 1; g <= 3; ++g) Glide(g);
    ASSERT_TRUE(there());
  }
};

// Random play, seed 1: F6 within the second a clash was shown left the window
// with no grid and "Loading..." for good.
TEST_F(RandomPlayFindingsTest, AModeEnteredDuringAConflictStillStartsItsGame) {
  OpenSeeded();
  Trigger(ctl::kSjms);
  ClashInMainGrid();
  Key(Qt::Key_F6);
  EXPECT_TRUE(controls().isVisible(ctl::PicMis(0)));
  EXPECT_FALSE(controls().isVisible(ctl::LblBegin(2)));
  EXPECT_FALSE(Timer("Timer3")->isActive());
  EXPECT_TRUE(board().gridEditable(0));
  for (int n = 1; n <= 81; ++n) EXPECT_NE(board().ink(0, n), colours::kRed) << n;
}

// The same conflict carried into solve mode would have withdrawn a digit
// typed there a moment later.
TEST_F(RandomPlayFindingsTest, SolveModeEnteredDuringAConflictKeepsWhatIsTypedThere) {
  OpenSeeded();
  Trigger(ctl::kSjms);
  const int empty = ClashInMainGrid();
  Trigger(ctl::kQjyj);
  TypeAt(empty, 5);
  ASSERT_FALSE(Timer("Timer3")->isActive());
  EXPECT_EQ(board().digit(0, empty), 5);
}

// Random play, seed 1: a clash in grid 2, then within its second a digit at
// grid 1's corner whose copy clashed in grid 2 as well. The tick withdrew
// only the copy and left the first wrong digit on the board for good.
TEST_F(RandomPlayFindingsTest, ASecondClashInALockedGridIsWithdrawnWithTheFirst) {
  settings.store().Write(SettingKey::Givens, QStringLiteral("75"));
  OpenSeeded();
  Trigger(ctl::kZhej);
  // An empty cell of grid 2 off its corner, and a given of its row.
  int empty = 10;
  while (board().digit(2, empty) != 0) ++empty;
  int given = (empty - 1) / 9 * 9 + 1;
  while (!board().isFixed(2, given)) ++given;
  PointAt(2, empty);
  Digit(board().digit(2, given));
  ASSERT_FALSE(board().gridEditable(2));
  // A given of grid 2's first row clashes with the corner's copy there.
  int rowGiven = 2;
  while (!board().isFixed(2, rowGiven)) ++rowGiven;
  PointAt(1, 81);
  Digit(board().digit(2, rowGiven));
  ASSERT_EQ(board().digit(2, 1), board().digit(2, rowGiven));

  ASSERT_TRUE(Timer("Timer32")->isActive());
  for (const char* timer : {"Timer31", "Timer32"})
    if (Timer(timer)->isActive()) game().conflicts().EraseTick(timer[6] - '0');
  EXPECT_EQ(board().digit(2, empty), 0) << "the first wrong digit";
  EXPECT_EQ(board().digit(2, 1), 0);
  EXPECT_EQ(board().digit(1, 81), 0);
  EXPECT_NE(board().digit(2, given), 0) << "the given stays";
}

// Random play, seed 2: a digit typed into grid 2's corner while grid 1 could
// not take it was copied into grid 1's cell 81 unchecked, and stayed there
// against grid 1's row for good.
TEST_F(RandomPlayFindingsTest, ACornerCopiedIntoGridOneIsCheckedThere) {
  OpenSeeded();
  Trigger(ctl::kZhej);
  for (int grid : {1, 2}) board().clearGridEntries(grid);
  Given(1, 73, 5);  // grid 1's last row
  Given(1, 10, 3);
  PointAt(1, 11);
  Digit(3);  // clashes in grid 1's row 2: grid 1 is locked for a second
  ASSERT_FALSE(board().gridEditable(1));
  PointAt(2, 1);
  Digit(5);  // grid 2 takes it at its corner; grid 2 has no 5 anywhere
  ASSERT_EQ(board().digit(1, 81), 5);
  EXPECT_EQ(board().ink(1, 73), colours::kRed);
  EXPECT_EQ(game().conflicts().crossCell(1), 81);

  ASSERT_TRUE(Timer("Timer31")->isActive());
  game().conflicts().EraseTick(1);
  EXPECT_EQ(board().digit(1, 11), 0);
  EXPECT_EQ(board().digit(1, 81), 0) << "the copy that broke grid 1's row";
  EXPECT_EQ(board().digit(2, 1), 0);
  EXPECT_EQ(board().digit(1, 73), 5);
}

// Random play, seeds 86420 and 1999: a pencil digit at a shared
// corner is copied into the other record as a digit only, so the eraser
// cleared one record and left the other: two grids, one cell, two digits.
TEST_F(RandomPlayFindingsTest, TheEraserEmptiesBothRecordsOfAPencilCorner) {
  OpenSeeded();
  Trigger(ctl::kZhej);
  for (int grid : {1, 2}) board().clearGridEntries(grid);
  ClickPicture(ctl::kImgcol);  // the pencil
  PointAt(1, 81);
  Digit(4);
  ASSERT_EQ(board().digit(2, 1), 4);
  ClickPicture(ctl::kImgcle);
  EXPECT_EQ(board().digit(1, 81), 0);
  EXPECT_EQ(board().digit(2, 1), 0);

  // The other way round: grid 1's record takes a pen digit first, then
  // grid 2's takes a pencil one while grid 1 is locked by a conflict.
  ClickPicture(ctl::kImgcol);  // the pen
  Digit(4);
  Given(1, 10, 3);
  PointAt(1, 11);
  Digit(3);
  ASSERT_FALSE(board().gridEditable(1));
  ClickPicture(ctl::kImgcol);  // the pencil
  PointAt(2, 1);
  Digit(6);
  ASSERT_EQ(board().digit(1, 81), 6);
  game().conflicts().EraseTick(1);
  ClickPicture(ctl::kImgcle);
  EXPECT_EQ(board().digit(2, 1), 0);
  EXPECT_EQ(board().digit(1, 81), 0);
}

// Random play, seed 104: the time ran out within the second a clash was
// shown; the restart after "时间到！" waited for the conflict and never came,
// and the game went on without its clock.
TEST_F(RandomPlayFindingsTest, TheTimeRunsOutDuringAConflictAndTheGameStillRestarts) {
  settings.store().Write(SettingKey::Difficulty, QStringLiteral("3"));
  OpenSeeded();
  Trigger(ctl::kSjms);
  ClashInMainGrid();
  game().state().setClockSeconds(0);
  QTimer* clock = Timer("Timer8");
  for (int tick = 0; tick < 2 && clock->isActive(); ++tick) game().clock().Tick();
  EXPECT_EQ(Asked(), QStringList{QStringLiteral("时间到！")});
  EXPECT_TRUE(clock->isActive()) << "the new game's clock";
  EXPECT_EQ(controls().text(ctl::LblTime(0)), QStringLiteral("07"));
  EXPECT_FALSE(Timer("Timer3")->isActive());
  EXPECT_TRUE(controls().isVisible(ctl::PicMis(0)));
}

// The Options dialog's restart, a millisecond after it closed, likewise.
TEST_F(RandomPlayFindingsTest, TheOptionsRestartComesDuringAConflict) {
  OpenSeeded();
  Trigger(ctl::kSjms);
  ClashInMainGrid();
  game().flow().StartDeferredRestart();
  QTimer* restart = Timer("Timer10");
  restart->stop();
  QMetaObject::invokeMethod(restart, "timeout", Qt::DirectConnection);
  EXPECT_FALSE(Timer("Timer3")->isActive());
  EXPECT_TRUE(controls().isVisible(ctl::PicMis(0)));
  EXPECT_FALSE(controls().isVisible(ctl::LblBegin(2)));
}

// Random play, seeds 1 and 20240611: a game leaves blue ink on its empty
// cells, and solve mode kept inks when it cleared the grids. A corner typed
// there was copied into a record that still had blue ink, and clearing the
// results, which every solve does first, took it for a solver digit: the
// typed corner vanished from one of its two grids. Solve mode now inks its
// cells black on entry.
TEST_F(RandomPlayFindingsTest, ClearingResultsKeepsATypedCornerInBothGrids) {
  OpenSeeded();
  Trigger(ctl::kZhsj);
  Trigger(ctl::kQjsj);
  ASSERT_EQ(board().ink(3, 73), colours::kBlack) << "nothing left over from the game";
  PointAt(2, 9);
  Digit(4);
  ASSERT_EQ(board().digit(3, 73), 4);
  solver().ClearResults();
  EXPECT_EQ(board().digit(2, 9), 4);
  EXPECT_EQ(board().digit(3, 73), 4);
}

}  // namespace
}  // namespace varelo::testing
