// The time bar in the real window: a new game after a win or a time-out
// starts with the whole bar on a black strip, and every later tick and
// resize moves it from where it is shown, minimised or not.

#include <QTest>

#include <cmath>

#include "SolveWindowDriver.h"
#include "game/GameClock.h"
#include "model/Controls.h"
#include "model/Twips.h"
#include "settings/SettingsStore.h"
#include "support/Grids.h"

namespace varelo {
namespace {

using testing::kSolution;
using testing::RelabelledGrid;

const QString kBar = ctl::kShape1;
const QString kStrip = ctl::kPicture1;

class TimeBarWindowTest : public testing::SolveWindowTest {
 protected:
  // A random single game of 10:00 whose solution the test knows.
  void StartTimedGame() {
    settings.store().Write(SettingKey::Difficulty, QStringLiteral("2"));
    Open();
    ResizeTo(900, 680);
    game().links().randomFill = [](const FillRequest&) {
      FilledGrid filled;
      filled.digits = RelabelledGrid(0, 0);
      return filled;
    };
    Trigger(ctl::kSjms);
    ASSERT_EQ(game().clock().timeLimitSeconds(), 600);
  }
  void Seconds(int count) {
    for (int i = 0; i < 2 * count; ++i) game().clock().Tick();
    Settle();
  }
  void Win() {
    const auto wins = Asked().count(QStringLiteral("你赢了！"));
    for (int cell = 1; cell <= 81; ++cell)
      if (board().digit(0, cell) == 0) TypeAt(cell, kSolution[cell - 1] - '0');
    Settle();
    ASSERT_EQ(Asked().count(QStringLiteral("你赢了！")), wins + 1);
  }
  // Where the window draws the bar, in pixels of the strip.
  int DrawnLeft() { return Child(kBar)->x(); }
  int StripPixels() { return Child(kStrip)->width(); }
  // The bar's place after `elapsed` steps of a 600-second limit, in pixels.
  int LeftAfter(double elapsed) {
    const double strip = controls().width(kStrip);
    return ToPixels(static_cast<int>(std::lround(-strip * elapsed / 600)));
  }
  Rgb StripColour() { return controls().colour(kStrip); }
};

TEST_F(TimeBarWindowTest, TheGameAfterAWinStartsWithTheWholeBarAndStepsFromThere) {
  StartTimedGame();
  Seconds(300);
  EXPECT_NEAR(DrawnLeft(), -StripPixels() / 2, 1);
  Win();
  EXPECT_EQ(DrawnLeft(), 0);
  EXPECT_EQ(Child(kBar)->width(), StripPixels());
  Seconds(1);
  EXPECT_NEAR(DrawnLeft(), LeftAfter(1), 1) << "one step from the start, not from the won game's place";
  for (int i = 0; i < 6; ++i) game().topBar().SlideInTick();
  Screenshot(*window, QStringLiteral("time-bar-a-second-after-a-win"));
  Seconds(59);
  EXPECT_NEAR(DrawnLeft(), LeftAfter(60), 1);
}

TEST_F(TimeBarWindowTest, AResizeAfterMinimisingPutsTheBarWhereTheClockIsAndTheNextTickGoesOnFromThere) {
  StartTimedGame();
  Seconds(10);
  window->showMinimized();
  Settle();
  ASSERT_TRUE(window->isMinimized());
  Seconds(50);  // the bar moves, the digits wait
  EXPECT_EQ(controls().text(ctl::LblTime(0)) + controls().text(ctl::LblTime(2)), QStringLiteral("0950"));
  EXPECT_NEAR(DrawnLeft(), LeftAfter(60), 1);
  window->showNormal();
  ResizeTo(1000, 700);
  EXPECT_NEAR(DrawnLeft(), LeftAfter(10), 1) << "the share of the time left";
  Seconds(1);
  EXPECT_NEAR(DrawnLeft(), LeftAfter(11), 1) << "no jump back to the minimised place";
}

TEST_F(TimeBarWindowTest, EveryNewGameStartsOnABlackStrip) {
  StartTimedGame();
  Seconds(600 - 14);  // 00:14: the warning flashes
  ASSERT_EQ(StripColour(), colours::kRed);
  Win();
  EXPECT_EQ(StripColour(), colours::kBlack) << "after a win";

  Seconds(600 - 14);
  ASSERT_EQ(StripColour(), colours::kRed);
  Seconds(15);  // 00:00, then the time-out restarts the game within the tick
  EXPECT_EQ(controls().text(ctl::LblTime(0)) + controls().text(ctl::LblTime(2)), QStringLiteral("1000"));
  EXPECT_EQ(StripColour(), colours::kBlack) << "after a time-out";
  EXPECT_NEAR(DrawnLeft(), LeftAfter(1), 1) << "the new game's bar has moved one step";
}

}  // namespace
}  // namespace varelo
