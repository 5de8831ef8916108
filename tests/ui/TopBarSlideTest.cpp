// The top bar slides in and out in steps of 50 twips, the logo following.

#include <gtest/gtest.h>

#include <QTimer>

#include "game/TopBarSlide.h"
#include "model/Controls.h"

namespace varelo {
namespace {

const QString kBar = ctl::kPicTop;
const QString kLogo = ctl::kImgLogo;

TEST(TopBarSlideTest, SlidesInInFiveStepsAndStops) {
  Controls controls;
  TopBarSlide slide(controls);
  ASSERT_EQ(controls.top(kBar), -250);
  slide.StartSlideIn();
  ASSERT_TRUE(slide.isSlidingIn());
  std::vector<int> tops;
  while (slide.isSlidingIn() && tops.size() < 20) {
    slide.SlideInTick();
    tops.push_back(controls.top(kBar));
  }
  EXPECT_EQ(tops, (std::vector<int>{-200, -150, -100, -50, 0, 0}));
  EXPECT_EQ(controls.top(kLogo), 250);
}

TEST(TopBarSlideTest, SlidesOutAndPutsTheLogoBackInTheCorner) {
  Controls controls;
  controls.setTop(kBar, 0);
  controls.setTop(kLogo, 250);
  TopBarSlide slide(controls);
  slide.StartSlideOut();
  int ticks = 0;
  while (slide.isSlidingOut() && ticks < 20) {
    slide.SlideOutTick();
    ++ticks;
  }
  EXPECT_EQ(ticks, 6);
  EXPECT_EQ(controls.top(kBar), -250);
  EXPECT_EQ(controls.top(kLogo), 0);
}

TEST(TopBarSlideTest, TimersCarryTheirNamesAndPeriod) {
  Controls controls;
  TopBarSlide slide(controls);
  auto* in = slide.findChild<QTimer*>(ctl::kTimer5);
  auto* out = slide.findChild<QTimer*>(ctl::kTimer9);
  ASSERT_NE(in, nullptr);
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(in->interval(), 100);
  EXPECT_FALSE(in->isActive());
  slide.StartSlideOut();
  EXPECT_TRUE(out->isActive());
  slide.StopSlideOut();
  EXPECT_FALSE(out->isActive());
}

}  // namespace
}  // namespace varelo
