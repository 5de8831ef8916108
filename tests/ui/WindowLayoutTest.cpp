// The resize rules: top bar and clock, the side
// controls, and the grid containers of the three layouts.

#include <gtest/gtest.h>

#include "model/Controls.h"
#include "viewmodel/GridGeometry.h"
#include "viewmodel/WindowLayout.h"

namespace varelo {
namespace {

WindowSizes Window(int width, int height) {
  // A 4-pixel frame and 50 pixels of title and menu, as on the design machine.
  return WindowSizes{width, height, width - 120, height - 810};
}

TEST(WindowLayoutTest, TopBarAnchorsItsRightLabelsToTheClientWidth) {
  Controls controls;
  const WindowSizes sizes = Window(11600, 8700);
  ApplyResize(controls, sizes, {});
  const int p = sizes.clientWidth;
  EXPECT_EQ(controls.width(ctl::kPicTop), p);
  EXPECT_EQ(controls.left(ctl::Lblts(2)), p - 3495);
  EXPECT_EQ(controls.left(ctl::Lblts(3)), p - 1455);
  EXPECT_EQ(controls.left(ctl::LblTop(2)), p - 2415);
  EXPECT_EQ(controls.left(ctl::LblTop(3)), p - 855);
  EXPECT_EQ(controls.left(ctl::kPicture1), 2400 + 1200);
  const int strip = p - 3495 - 360 - 3600;
  EXPECT_EQ(controls.width(ctl::kPicture1), strip);
  EXPECT_EQ(controls.width(ctl::kShape2), strip);
  // The clock sits in the middle of the strip: minutes, colon, seconds.
  const int colon = controls.left(ctl::LblTime(1));
  EXPECT_NEAR(colon, strip / 2 - 60, 1);
  EXPECT_EQ(controls.left(ctl::LblTime(0)), colon - 240);
  EXPECT_EQ(controls.left(ctl::LblTime(2)), colon + 120);
}

TEST(WindowLayoutTest, ButtonsIconsAndPointerFollowTheOuterSize) {
  Controls controls;
  ApplyResize(controls, Window(12000, 9000), {});
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(controls.left(ctl::Command(i)), 12000 - 1920);
  EXPECT_EQ(controls.top(ctl::Command(2)), 9000 - 3195);
  EXPECT_EQ(controls.top(ctl::Command(3)), 9000 - 2715);
  EXPECT_EQ(controls.top(ctl::Command(4)), 9000 - 2235);
  EXPECT_EQ(controls.top(ctl::Command(1)), controls.top(ctl::Command(5)));
  EXPECT_EQ(controls.left(ctl::kImgpt), 12000 - 1920 + 360);
  EXPECT_EQ(controls.top(ctl::kImgpt), 9000 - 1755 - 480);
  EXPECT_EQ(controls.width(ctl::kLbltishi), 12000 - 345);
  EXPECT_EQ(controls.left(ctl::kImgcol), 12000 - 620);
  EXPECT_EQ(controls.top(ctl::kImgcol), 4500 - 1280);
  EXPECT_EQ(controls.top(ctl::kImgcle), 4500 - 480);

  // The correction moves the pen and eraser 85 twips further left.
  ApplyResize(controls, Window(12000, 9000), LayoutContext{0, true});
  EXPECT_EQ(controls.left(ctl::kImgcol), 12000 - 620 - 85);
  EXPECT_EQ(controls.left(ctl::kImgcle), 12000 - 620 - 85);
}

TEST(WindowLayoutTest, SingleGridCentresOnTheClientOrLeftOfTheButtons) {
  Controls controls;
  const int main = ConstantsOf(GridKind::Main).containerWidth;
  const int mainHeight = ConstantsOf(GridKind::Main).containerHeight;

  const WindowSizes smallest = Window(8250, 7950);
  ApplyResize(controls, smallest, {});
  EXPECT_EQ(controls.left(ctl::PicMis(0)), (8250 - 1920) / 2 - main / 2);
  EXPECT_EQ(controls.top(ctl::PicMis(0)), smallest.clientHeight / 2 - mainHeight / 2 + 255);

  ApplyResize(controls, Window(9750, 8700), {});
  EXPECT_EQ(controls.left(ctl::PicMis(0)), (9750 - 1920) / 2 - main / 2);

  const WindowSizes wide = Window(9780, 8700);
  ApplyResize(controls, wide, {});
  EXPECT_EQ(controls.left(ctl::PicMis(0)), wide.clientWidth / 2 - main / 2);
}

TEST(WindowLayoutTest, OrderTwoCentresOnTheClientOnlyWhenWideEnough) {
  Controls controls;
  const int w = ConstantsOf(GridKind::Further).containerWidth;
  // Tall enough for the layout at its full size.
  const WindowSizes wide = Window(13000, 11000);
  ApplyResize(controls, wide, LayoutContext{2, false});
  EXPECT_EQ(controls.left(ctl::PicMis(1)), wide.clientWidth / 2 - w);
  EXPECT_EQ(controls.top(ctl::PicMis(1)), wide.clientHeight / 2 - 4810 + 255 + 375 - 100);
  EXPECT_EQ(controls.left(ctl::PicMis(2)), controls.left(ctl::PicMis(1)) + 4130);
  EXPECT_EQ(controls.top(ctl::PicMis(2)), controls.top(ctl::PicMis(1)) + 4220);

  ApplyResize(controls, Window(12030, 11000), LayoutContext{2, false});
  EXPECT_EQ(controls.left(ctl::PicMis(1)), (12030 - 1920) / 2 - w + 250);
}

// Grid k's square n in window coordinates.
TwipRect SquareInWindow(const Controls& controls, const GridGeometry& g, int grid, int n) {
  return g.square(n).translated(controls.left(ctl::PicMis(grid)), controls.top(ctl::PicMis(grid)));
}

TEST(WindowLayoutTest, SharedCornersLieOnTopOfEachOther) {
  Controls controls;
  for (bool corrected : {false, true}) {
    const auto g = GridGeometry::Build(GridKind::Further, kDesignFrameTerm, corrected);
    for (int order : {2, 3}) {
      ApplyResize(controls, Window(20000, 14000), LayoutContext{order, corrected});
      const TwipRect a = SquareInWindow(controls, g, 1, 81), b = SquareInWindow(controls, g, 2, 1);
      EXPECT_LE(std::abs(a.left - b.left), 10) << order;
      EXPECT_LE(std::abs(a.top - b.top), 10) << order;
      if (order == 3) {
        const TwipRect c = SquareInWindow(controls, g, 2, 9), d = SquareInWindow(controls, g, 3, 73);
        EXPECT_LE(std::abs(c.left - d.left), 10);
        EXPECT_LE(std::abs(c.top - d.top), 10);
        EXPECT_EQ(controls.top(ctl::PicMis(3)), controls.top(ctl::PicMis(1)));
        EXPECT_EQ(controls.left(ctl::PicMis(3)), controls.left(ctl::PicMis(1)) + 8260);
      }
    }
  }
}

}  // namespace
}  // namespace varelo
