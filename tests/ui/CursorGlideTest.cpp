// Cursor glide and pointer tracking, with a pointer the test moves and grid
// containers at fixed places on a pretend screen.

#include <gtest/gtest.h>

#include <QTimer>

#include "core/Board.h"
#include "model/Cursors.h"
#include "viewmodel/CursorGlide.h"

namespace varelo {
namespace {

class FakePointer : public PointerSource {
 public:
  QPoint PointerTwips() const override { return at; }
  QPoint at{-100000, -100000};
};

class FixedPlacement : public GridPlacement {
 public:
  QPoint GridOriginTwips(int grid) const override { return origins[grid]; }
  std::array<QPoint, kGridCount> origins{QPoint(1500, 3000), QPoint(30000, 3000), QPoint(34130, 7220),
                                         QPoint(38260, 3000), QPoint(60000, 3000)};
};

std::array<GridGeometry, kGridCount> Geometries() {
  std::array<GridGeometry, kGridCount> g;
  for (int k = 0; k < kGridCount; ++k) g[k] = GridGeometry::Build(KindOfGrid(k), kDesignFrameTerm, false);
  return g;
}

class CursorGlideTest : public ::testing::Test {
 protected:
  CursorGlideTest() : geometries(Geometries()), glide(cursors, board, geometries, pointer, placement) {
    for (int k = 0; k < kGridCount; ++k) glide.ResetFrame(k);
  }

  // Puts the pointer on the middle of square n of a grid.
  void PointAt(int grid, int n) {
    const TwipRect s = geometries[grid].square(n);
    pointer.at = placement.origins[grid] + QPoint(s.left + s.width / 2, s.top + s.height / 2);
  }
  // Both timers of a grid fire once, vertical first.
  void Tick(int grid) {
    glide.VerticalTick(grid);
    glide.HorizontalTick(grid);
  }
  const CursorState& State(int grid) const { return cursors.state(grid); }

  Board board;
  Cursors cursors;
  FakePointer pointer;
  FixedPlacement placement;
  std::array<GridGeometry, kGridCount> geometries;
  CursorGlide glide;
};

TEST_F(CursorGlideTest, FrameGlidesCellByCellToThePointerAndRests) {
  PointAt(0, 50);
  std::vector<int> cellsVisited{State(0).currentCell};
  bool sawThinOutline = false;
  for (int tick = 0; tick < 200; ++tick) {
    Tick(0);
    sawThinOutline |= CursorGlide::OutlinePixels(State(0)) == 1;
    if (State(0).currentCell != cellsVisited.back()) cellsVisited.push_back(State(0).currentCell);
  }
  const CursorState& rest = State(0);
  EXPECT_EQ(rest.currentCell, 50);
  EXPECT_EQ(CursorGlide::OutlinePixels(rest), 3);
  EXPECT_EQ(rest.vertical, 0);
  EXPECT_EQ(rest.horizontal, 0);
  EXPECT_EQ(rest.frameLeft, geometries[0].square(50).left);
  EXPECT_EQ(rest.frameTop, geometries[0].square(50).top);
  EXPECT_TRUE(sawThinOutline);
  // One row or column per step: 5 rows down and 4 columns right.
  EXPECT_EQ(cellsVisited.size(), 10u);
  for (size_t i = 1; i < cellsVisited.size(); ++i) {
    const int d = cellsVisited[i] - cellsVisited[i - 1];
    EXPECT_TRUE(d == 1 || d == 9) << d;
  }
}

TEST_F(CursorGlideTest, OneRowTakesAboutSevenTicksAtThePointerStep) {
  PointAt(0, 10);
  int ticks = 0;
  while (State(0).currentCell != 10 && ticks < 50) {
    glide.VerticalTick(0);
    ++ticks;
  }
  EXPECT_EQ(cursors.step(), Cursors::kPointerStep);
  EXPECT_EQ(ticks, 8);  // seven moves of 105 twips cover the 660, then the snap
}

TEST_F(CursorGlideTest, PointerInAGapKeepsTheCurrentCell) {
  const TwipRect s1 = geometries[0].square(1);
  pointer.at = placement.origins[0] + QPoint(s1.right() + 7, s1.top + 100);  // between cells 1 and 2
  for (int i = 0; i < 20; ++i) Tick(0);
  EXPECT_EQ(State(0).currentCell, 1);
  EXPECT_EQ(State(0).horizontal, 0);
}

TEST_F(CursorGlideTest, ArrowStepsStopAtTheEdge) {
  // Pointer away from the grid: the keys steer the frame.
  CursorState up = State(0);
  up.vertical = 1;
  cursors.setState(0, up);
  cursors.setStep(Cursors::kKeyStep);
  Tick(0);
  EXPECT_EQ(State(0).currentCell, 1);
  EXPECT_EQ(State(0).vertical, 0);
  EXPECT_EQ(CursorGlide::OutlinePixels(State(0)), 3);

  CursorState down = State(0);
  down.vertical = 3;
  cursors.setState(0, down);
  for (int i = 0; i < 15; ++i) Tick(0);
  EXPECT_EQ(State(0).currentCell, 10);
  EXPECT_EQ(State(0).frameTop, geometries[0].square(10).top);
  EXPECT_EQ(CursorGlide::OutlinePixels(State(0)), 3);
}

TEST_F(CursorGlideTest, FurtherGridFrameHidesOutsideAndReappearsUnderThePointer) {
  PointAt(1, 40);
  Tick(1);
  EXPECT_TRUE(State(1).frameShown);
  pointer.at = QPoint(0, 0);
  Tick(1);
  EXPECT_FALSE(State(1).frameShown);
  // The main grid keeps its frame when the pointer leaves it.
  Tick(0);
  EXPECT_TRUE(State(0).frameShown);

  PointAt(1, 77);
  glide.VerticalTick(1);
  EXPECT_TRUE(State(1).frameShown);
  EXPECT_EQ(State(1).currentCell, 77);
  EXPECT_EQ(State(1).frameLeft, geometries[1].square(77).left);
  EXPECT_EQ(State(1).frameTop, geometries[1].square(77).top);
  EXPECT_EQ(CursorGlide::OutlinePixels(State(1)), 3);
}

TEST_F(CursorGlideTest, SharedCornerTakesTheFrameAtOnce) {
  board.setComboOrder(2);
  PointAt(1, 81);
  glide.VerticalTick(1);
  EXPECT_EQ(State(1).currentCell, 81);
  EXPECT_EQ(State(1).frameTop, geometries[1].square(81).top);
  EXPECT_EQ(CursorGlide::OutlinePixels(State(1)), 3);

  // In order 3 grid 2's corner with grid 3 does the same.
  board.setComboOrder(3);
  PointAt(2, 9);
  glide.VerticalTick(2);
  EXPECT_EQ(State(2).currentCell, 9);
  EXPECT_EQ(State(2).frameLeft, geometries[2].square(9).left);
}

TEST_F(CursorGlideTest, APendingGlideDoesNotCarryTheFrameOffTheCorner) {
  board.setComboOrder(3);
  CursorState leaving = State(2);
  leaving.currentCell = 9;
  leaving.frameLeft = geometries[2].square(9).left;
  leaving.frameTop = geometries[2].square(9).top;
  leaving.vertical = 3;  // the pointer was below a moment ago
  cursors.setState(2, leaving);
  PointAt(2, 9);
  for (int i = 0; i < 5; ++i) Tick(2);
  EXPECT_EQ(State(2).currentCell, 9);
  EXPECT_EQ(State(2).frameTop, geometries[2].square(9).top);
  EXPECT_EQ(CursorGlide::OutlinePixels(State(2)), 3);
  EXPECT_EQ(State(2).vertical, 0);
}

TEST_F(CursorGlideTest, FurtherGridGlidesSnapUnlessThePointerIsOverTheMainGrid) {
  PointAt(1, 1);
  Tick(1);
  PointAt(1, 3);
  for (int i = 0; i < 30; ++i) Tick(1);
  EXPECT_EQ(State(1).currentCell, 3);
  EXPECT_EQ(State(1).frameLeft, geometries[1].square(3).left);
  EXPECT_EQ(CursorGlide::OutlinePixels(State(1)), 3);
}

TEST_F(CursorGlideTest, TimersRunWhileTheGridIsTracked) {
  auto* vertical = glide.findChild<QTimer*>(QStringLiteral("Timer12"));
  auto* horizontal = glide.findChild<QTimer*>(QStringLiteral("Timer22"));
  ASSERT_NE(vertical, nullptr);
  ASSERT_NE(horizontal, nullptr);
  EXPECT_EQ(vertical->interval(), 10);
  EXPECT_FALSE(vertical->isActive());
  cursors.setTracking(2, true);
  EXPECT_TRUE(vertical->isActive());
  EXPECT_TRUE(horizontal->isActive());
  EXPECT_FALSE(glide.timersRunning(1));
  cursors.setTracking(2, false);
  EXPECT_FALSE(glide.timersRunning(2));
  ASSERT_NE(glide.findChild<QTimer*>(QStringLiteral("Timer1")), nullptr);
  ASSERT_NE(glide.findChild<QTimer*>(QStringLiteral("Timer24")), nullptr);
}

}  // namespace
}  // namespace varelo
