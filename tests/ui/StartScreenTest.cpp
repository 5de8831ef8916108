// The start screen: proportional placement, hover highlight with the opening
// of sub-entries, and the visibility of the level arrows.

#include <gtest/gtest.h>

#include "model/Controls.h"
#include "model/GameState.h"
#include "model/Texts.h"
#include "support/TempSettings.h"
#include "viewmodel/StartScreen.h"

namespace varelo {
namespace {

using namespace startscreen;

class StartScreenTest : public ::testing::Test {
 protected:
  bool Shown(int i) const { return controls.isVisible(ctl::LblBegin(i)); }
  Rgb Colour(int i) const { return controls.colour(ctl::LblBegin(i)); }
  bool LeftArrow() const { return controls.isVisible(ctl::kImgLa); }
  bool RightArrow() const { return controls.isVisible(ctl::kImgRa); }
  void ShowLevel(int level, int opened) {
    settings.store().Write(SettingKey::LevelsOpened, opened);
    state.setResumeLevel(level);
    UpdateLevelArrows(state, settings.store());
  }

  Controls controls;
  GameState state{controls};
  testing::TempSettings settings;
};

TEST_F(StartScreenTest, EntriesMoveProportionallyWithTheWindow) {
  for (auto [w, h] : {std::pair{11600, 8700}, std::pair{20000, 15000}}) {
    LayOut(controls, w, h);
    const int left = controls.left(ctl::LblBegin(0)), top = controls.top(ctl::LblBegin(0));
    EXPECT_NEAR(left, w * 0.431, 1);
    EXPECT_NEAR(top, h * 0.2529, 1);
    for (int i = 1; i <= 6; ++i) {
      EXPECT_EQ(controls.left(ctl::LblBegin(i)), left);
      EXPECT_EQ(controls.top(ctl::LblBegin(i)), top + 720 * i);
    }
    EXPECT_EQ(controls.left(ctl::LblBegin(7)), left + 2280);
    EXPECT_EQ(controls.top(ctl::LblBegin(8)), top + 600);
    EXPECT_EQ(controls.top(ctl::LblBegin(10)), top + 960);
    EXPECT_EQ(controls.top(ctl::LblBegin(14)), top + 960 + 880);
    EXPECT_EQ(controls.left(ctl::kImgLa), left + 2280 + 150);
    EXPECT_EQ(controls.left(ctl::kImgRa), left + 2280 + 2220 - 150);
    EXPECT_EQ(controls.top(ctl::kImgRa), top + 200);
  }
}

TEST_F(StartScreenTest, HoveringAMainEntryOpensItsGroupAndKeepsTheParentLit) {
  LayOut(controls, 11600, 8700);
  Hover(controls, state, settings.store(), 0, false);
  EXPECT_TRUE(Shown(7));
  EXPECT_TRUE(Shown(8));
  EXPECT_FALSE(Shown(9));
  EXPECT_EQ(Colour(0), colours::kEntryLit);

  Hover(controls, state, settings.store(), 8, false);
  EXPECT_EQ(Colour(8), colours::kEntryLit);
  EXPECT_EQ(Colour(0), colours::kEntryLit);  // the parent of "随机模式" stays lit
  EXPECT_EQ(Colour(7), colours::kEntry);

  Hover(controls, state, settings.store(), 1, false);
  EXPECT_EQ(Colour(0), colours::kEntry);
  EXPECT_EQ(Colour(8), colours::kEntry);
  EXPECT_FALSE(Shown(7));
  for (int i : {9, 10, 11}) EXPECT_TRUE(Shown(i)) << i;

  Hover(controls, state, settings.store(), 3, false);
  for (int i = 7; i <= 15; ++i) EXPECT_FALSE(Shown(i)) << i;
  EXPECT_EQ(Colour(3), colours::kEntryLit);

  Hover(controls, state, settings.store(), 2, false);
  for (int i = 12; i <= 15; ++i) EXPECT_TRUE(Shown(i)) << i;
  EXPECT_FALSE(Shown(9));
}

TEST_F(StartScreenTest, AnEntryServingAsANoticeIgnoresTheHover) {
  controls.setColour(ctl::LblBegin(2), Rgb{0, 255, 0});
  Hover(controls, state, settings.store(), 2, /*noticeShown=*/true);
  EXPECT_EQ(Colour(2), (Rgb{0, 255, 0}));
  EXPECT_FALSE(Shown(12));
}

TEST_F(StartScreenTest, LevelArrowsShowWhereAnotherOpenedLevelLies) {
  struct Case {
    int level, opened;
    bool left, right;
  };
  const Case cases[] = {
      {3, 5, true, true},   {2, 5, true, true},  {5, 5, true, false}, {2, 2, true, false}, {1, 5, false, true},
      {1, 1, false, false}, {0, 0, false, true}, {9, 5, false, true},  // beyond the opened levels nothing changes
  };
  for (const Case& c : cases) {
    ShowLevel(c.level, c.opened);
    EXPECT_EQ(LeftArrow(), c.left) << "level " << c.level << " of " << c.opened;
    EXPECT_EQ(RightArrow(), c.right) << "level " << c.level << " of " << c.opened;
  }
}

TEST_F(StartScreenTest, OnTheFirstRunTheArrowsNeverAppear) {
  settings.store().Write(SettingKey::LevelsOpened, 40);
  ASSERT_EQ(controls.text(ctl::LblBegin(7)), texts::kMissionMode);
  Hover(controls, state, settings.store(), 0, false);
  EXPECT_TRUE(Shown(7));
  EXPECT_FALSE(LeftArrow());
  EXPECT_FALSE(RightArrow());
}

TEST_F(StartScreenTest, HoveringStartGameUpdatesTheArrows) {
  settings.store().Write(SettingKey::LevelsOpened, 12);
  state.setResumeLevel(12);
  Hover(controls, state, settings.store(), 0, false);
  EXPECT_TRUE(LeftArrow());
  EXPECT_FALSE(RightArrow());
  Hover(controls, state, settings.store(), 1, false);
  EXPECT_FALSE(LeftArrow());
}

}  // namespace
}  // namespace varelo
