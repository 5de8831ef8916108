// Grid geometry: the worked examples of the layout, the drift of the digit
// labels against their squares, the lines, the hit and inside tests.

#include <gtest/gtest.h>

#include "viewmodel/GridGeometry.h"

namespace varelo {
namespace {

constexpr int kFourPixelFrame = 60;

TEST(GridGeometryTest, MainGridSquaresLieWhereTheDesignPutsThem) {
  const auto g = GridGeometry::Build(GridKind::Main, kFourPixelFrame, false);
  EXPECT_EQ(g.square(1), (TwipRect{30, 50, 615, 615}));
  EXPECT_EQ(g.square(9), (TwipRect{30 + 8 * 630 + 2 * 75, 50, 615, 615}));
  EXPECT_EQ(g.square(73).top, 50 + 8 * 660 + 2 * 90);
  EXPECT_EQ(g.square(81).left, g.square(9).left);
  EXPECT_EQ(g.square(81).top, g.square(73).top);
  // An 8-pixel frame pushes the grid out of its container; the correction brings it back.
  EXPECT_EQ(GridGeometry::Build(GridKind::Main, 120, false).square(1).left, -30);
  EXPECT_EQ(GridGeometry::Build(GridKind::Main, 120, true).square(1).left, 40);
}

TEST(GridGeometryTest, DigitLabelsDriftAgainstTheirSquares) {
  const auto g = GridGeometry::Build(GridKind::Main, kFourPixelFrame, false);
  for (int n = 1; n <= 81; ++n) {
    const int column = (n - 1) % 9;
    const int boxesCrossed = column / 3;
    EXPECT_EQ(g.label(n).left - g.square(n).left, 120 - 10 * (column + 1) + 15 * boxesCrossed) << n;
    EXPECT_EQ(g.square(n).top - g.label(n).top, 225) << n;
  }
  EXPECT_EQ(g.label(1).left - g.square(1).left, 110);
  EXPECT_EQ(g.label(9).left - g.square(9).left, 60);
}

TEST(GridGeometryTest, CorrectionShiftsEverythingRightAndNothingDown) {
  for (GridKind kind : {GridKind::Main, GridKind::Further}) {
    const auto plain = GridGeometry::Build(kind, kFourPixelFrame, false);
    const auto corrected = GridGeometry::Build(kind, kFourPixelFrame, true);
    for (int n = 0; n <= 81; ++n) {
      EXPECT_EQ(corrected.square(n), plain.square(n).translated(70, 0));
      EXPECT_EQ(corrected.label(n), plain.label(n).translated(70, 0));
    }
    for (int i = 1; i <= 8; ++i) {
      const TwipLine a = plain.line(i), b = corrected.line(i);
      EXPECT_EQ(b, (TwipLine{a.x1 + 70, a.y1, a.x2 + 70, a.y2})) << i;
    }
  }
}

TEST(GridGeometryTest, FurtherGridsUseTheirOwnPitches) {
  const auto g = GridGeometry::Build(GridKind::Further, kFourPixelFrame, false);
  // 150 - 435 - 60 - 120 + 500 and -70 + 130.
  EXPECT_EQ(g.square(1), (TwipRect{35, 60, 495, 495}));
  EXPECT_EQ(g.square(9).left, 35 + 6 * 500 + 2 * 560);
  EXPECT_EQ(g.square(73).top, 60 + 6 * 520 + 2 * 550);
  EXPECT_EQ(g.containerWidth(), 4700);
  EXPECT_EQ(g.containerHeight(), 4810);
}

TEST(GridGeometryTest, LinesFollowTheSquares) {
  const auto g = GridGeometry::Build(GridKind::Main, kFourPixelFrame, false);
  EXPECT_EQ(g.line(5), (TwipLine{30, 20, 30, 5510 + 630}));  // left edge
  EXPECT_EQ(g.line(6), (TwipLine{5220 + 640, 20, 5220 + 640, 5510 + 630}));
  EXPECT_EQ(g.line(7), (TwipLine{30, 20, 5220 + 615 + 10, 20}));  // top edge
  EXPECT_EQ(g.line(8), (TwipLine{30, 5510 + 650, 5845, 5510 + 650}));
  // Box lines run in the gaps between the third and fourth rows and columns.
  EXPECT_GT(g.line(1).y1, g.square(19).bottom());
  EXPECT_LT(g.line(1).y1, g.square(28).top);
  EXPECT_GT(g.line(3).x1, g.square(3).right());
  EXPECT_LT(g.line(3).x1, g.square(4).left);
  // Everything fits into the container.
  EXPECT_LT(g.line(6).x1, g.containerWidth());
  EXPECT_LT(g.line(8).y1, g.containerHeight());
}

TEST(GridGeometryTest, InsideIsStrictAndHitTestKeepsTheCurrentCellInGaps) {
  const auto g = GridGeometry::Build(GridKind::Main, kFourPixelFrame, false);
  EXPECT_FALSE(g.Inside(30, 300));  // on Line5
  EXPECT_TRUE(g.Inside(31, 300));
  EXPECT_FALSE(g.Inside(300, 20));  // on Line7
  const TwipRect s50 = g.square(50);
  EXPECT_EQ(g.HitTest(s50.left, s50.top, 7), 50);  // closed corners
  EXPECT_EQ(g.HitTest(s50.right(), s50.bottom(), 7), 50);
  EXPECT_EQ(g.HitTest(s50.right() + 5, s50.top + 100, 7), 7);  // the gap to cell 51
}

TEST(GridGeometryTest, CrossCoversTheMiddleTwoFifths) {
  const auto g = GridGeometry::Build(GridKind::Main, kFourPixelFrame, false);
  const auto [down, up] = g.CrossLines(1);
  const double near = 30 + 0.3 * 615, far = 30 + 0.7 * 615;  // x; y is 20 further down
  EXPECT_NEAR(down.x1, near, 1);
  EXPECT_NEAR(down.y1, near + 20, 1);
  EXPECT_NEAR(down.x2, far, 1);
  EXPECT_NEAR(down.y2, far + 20, 1);
  EXPECT_EQ(up, (TwipLine{down.x1, down.y2, down.x2, down.y1}));
}

}  // namespace
}  // namespace varelo
