// A shared corner is one cell of two grids: whichever grid takes the key,
// both records hold the same digit in the same kind and ink, and the grid
// drawn on top shows it so.

#include <QTest>

#include "SolveWindowDriver.h"
#include "input/ConflictMarker.h"
#include "model/Controls.h"
#include "support/Grids.h"

namespace varelo {
namespace {

using testing::RelabelledGrid;

const QColor kBlackInk(0, 0, 0);
const QColor kBlueInk(0, 0, 255);
const QColor kGreyInk(168, 168, 168);
const QColor kRedInk(255, 0, 0);

class SharedCornerWindowTest : public testing::SolveWindowTest {
 protected:
  void PointAt(int grid, int cell) {
    pointer.at = QPoint(-1000000, -1000000);
    for (int g = 1; g <= 3; ++g) window->glide().VerticalTick(g);
    pointer.at = Over(grid, cell);
    for (int g = 1; g <= 3; ++g) Glide(g);
  }
  void Digit(int digit) { Key(static_cast<Qt::Key>(Qt::Key_0 + digit)); }
  void ClickIcon(const char* name) {
    QTest::mouseClick(Child(QString::fromLatin1(name)), Qt::LeftButton);
    Settle();
  }
  // Both records alike: digit, kind and ink.
  void ExpectAlike(CellRef a, CellRef b, const char* when) {
    const CellState& first = board().cell(a);
    const CellState& second = board().cell(b);
    EXPECT_EQ(first.digit, second.digit) << when;
    EXPECT_EQ(first.kind, second.kind) << when;
    EXPECT_EQ(board().InkOf(first), board().InkOf(second)) << when;
  }
};

TEST_F(SharedCornerWindowTest, DigitsTypedInSolveModeAreBlackInBothRecordsAfterAGame) {
  OpenActive();
  Trigger(ctl::kZhsj);  // the play set-up leaves blue in empty cells
  Trigger(ctl::kQjsj);
  PointAt(2, 9);
  Digit(5);
  ASSERT_EQ(board().digit(3, 73), 5);
  EXPECT_EQ(board().ink(2, 9), colours::kBlack);
  EXPECT_EQ(board().ink(3, 73), colours::kBlack);
  EXPECT_GT(PixelsOf(3, 73, kBlackInk), 0) << "grid 3 draws the corner above grid 2";
  EXPECT_EQ(PixelsOf(3, 73, kBlueInk), 0);
  // Every cell of the solve grids writes black, wherever the pointer is.
  PointAt(1, 81);
  Digit(6);
  EXPECT_EQ(board().ink(2, 1), colours::kBlack);
  EXPECT_EQ(PixelsOf(2, 1, kBlueInk), 0);
}

TEST_F(SharedCornerWindowTest, PencilPenAndTheClashMarkShowAlikeInBothRecords) {
  OpenActive();
  game().links().randomFill = [](const FillRequest& request) {
    FilledGrid filled;
    filled.digits = request.workGrid == 2 ? RelabelledGrid(0, request.sharedDigit12) : RelabelledGrid(0, 0);
    return filled;
  };
  Trigger(ctl::kZhej);
  const GridDigits grid1 = RelabelledGrid(0, 0);
  const CellRef corner1{1, 81}, corner2{2, 1};

  ClickIcon("Imgcol");  // pencil
  PointAt(1, 81);
  Digit(grid1[80]);
  ExpectAlike(corner1, corner2, "pencil");
  EXPECT_EQ(board().kind(2, 1), EntryKind::Pencil);
  EXPECT_GT(PixelsOf(2, 1, kGreyInk), 0) << "the corner shows a pencil digit";
  EXPECT_EQ(PixelsOf(2, 1, kBlueInk), 0);
  ClickIcon("Imgcle");
  EXPECT_EQ(board().digit(1, 81), 0);
  EXPECT_EQ(board().digit(2, 1), 0);

  ClickIcon("Imgcol");  // pen
  PointAt(1, 81);
  Digit(grid1[80]);
  ExpectAlike(corner1, corner2, "pen");
  EXPECT_EQ(board().ink(2, 1), colours::kBlue);

  // A digit of grid 1's last row that repeats the corner's: the corner's
  // digit turns red where the player sees it, and back after the erase.
  int cell = 73;
  while (board().digit(1, cell) != 0) ++cell;
  ASSERT_LT(cell, 81);
  PointAt(1, cell);
  Digit(grid1[80]);
  ExpectAlike(corner1, corner2, "marked");
  EXPECT_GT(PixelsOf(2, 1, kRedInk), 0);
  game().conflicts().EraseTick(1);
  ExpectAlike(corner1, corner2, "after the erase");
  EXPECT_EQ(board().ink(2, 1), colours::kBlue);
}

}  // namespace
}  // namespace varelo
