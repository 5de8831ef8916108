// The count-down clock: blinking separator, counting, warning flash, the
// time bar, minimising and the time-out.

#include <gtest/gtest.h>

#include "game/GameClock.h"
#include "game/TimeBar.h"
#include "model/Controls.h"
#include "model/GameState.h"
#include "support/Fakes.h"

namespace varelo {
namespace {

constexpr Rgb kRed{255, 0, 0};

class GameClockTest : public ::testing::Test {
 protected:
  GameClockTest() : state(controls), bar(controls), clock(state, bar, window, prompter) {
    controls.setWidth(ctl::kPicture1, 6000);
    clock.setTimeUpAction([this] {
      ++restarts;
      SetTime("10", "00", 600);
    });
  }

  // The clock shows minutes:seconds, or no digits when both are empty.
  void SetTime(const char* minutes, const char* seconds, int limit) {
    const QString m = QString::fromLatin1(minutes);
    const QString s = QString::fromLatin1(seconds);
    const std::optional<int> shown =
        m.isEmpty() && s.isEmpty() ? std::nullopt : std::optional<int>(m.toInt() * 60 + s.toInt());
    state.setClock(ClockFace{shown, ClockSign::Colon});
    controls.setColour(ctl::kPicture1, colours::kBlack);
    clock.setTimeLimitSeconds(limit);
    clock.ResetBar();
    clock.Start();
  }
  // One counted second: two ticks of the 500 ms timer.
  void Second() {
    clock.Tick();
    clock.Tick();
  }
  QString Shown() const { return controls.text(ctl::LblTime(0)) + u':' + controls.text(ctl::LblTime(2)); }

  Controls controls;
  GameState state;
  TimeBar bar;
  testing::FakeWindow window;
  testing::RecordingPrompter prompter;
  GameClock clock;
  int restarts = 0;
};

TEST_F(GameClockTest, TheSeparatorBlinksAndTheCountGoesOnceASecond) {
  SetTime("10", "00", 600);
  clock.Tick();
  EXPECT_EQ(controls.text(ctl::LblTime(1)), "") << "hidden for half a second";
  EXPECT_EQ(Shown(), "10:00");
  clock.Tick();
  EXPECT_EQ(controls.text(ctl::LblTime(1)), ":");
  EXPECT_EQ(Shown(), "09:59");

  SetTime("07", "30", 450);
  QStringList seen;
  for (int i = 0; i < 31; ++i) {
    Second();
    seen << Shown();
  }
  EXPECT_EQ(seen.first(), "07:29");
  EXPECT_EQ(seen[29], "07:00");
  EXPECT_EQ(seen[30], "06:59");
}

TEST_F(GameClockTest, TheStripFlashesFromFourteenSeconds) {
  SetTime("00", "16", 600);
  Second();  // 00:15
  EXPECT_EQ(controls.colour(ctl::kPicture1), colours::kBlack);
  Second();  // 00:14
  EXPECT_EQ(controls.colour(ctl::kPicture1), kRed);
  Second();
  EXPECT_EQ(controls.colour(ctl::kPicture1), colours::kBlack);
  Second();
  EXPECT_EQ(controls.colour(ctl::kPicture1), kRed);
}

TEST_F(GameClockTest, TheBarSlidesOutInStepWithTheLimit) {
  SetTime("01", "00", 60);
  EXPECT_EQ(controls.left(ctl::kShape1), 0);
  EXPECT_EQ(controls.width(ctl::kShape1), 6000);
  for (int i = 0; i < 30; ++i) Second();
  EXPECT_EQ(controls.left(ctl::kShape1), -3000) << "half the time, half the bar";

  // A resize keeps the proportion.
  controls.setWidth(ctl::kPicture1, 3000);
  EXPECT_EQ(controls.width(ctl::kShape1), 3000);
  EXPECT_EQ(controls.left(ctl::kShape1), -1500);
  // A change of the strip's colour is no resize: the bar stays.
  Second();
  controls.setColour(ctl::kPicture1, kRed);
  EXPECT_EQ(controls.left(ctl::kShape1), -1550);
}

TEST_F(GameClockTest, WithoutALimitOrWhileBusyAResizeLeavesTheBarsPlace) {
  const QString shape = ctl::kShape1;
  SetTime("", "", 0);
  bar.StartBusy();
  bar.StepBusy();
  controls.setWidth(ctl::kPicture1, 4000);
  EXPECT_EQ(controls.left(shape), -350 + 75);
  EXPECT_EQ(controls.width(shape), 350);
  bar.StopBusy();
  EXPECT_EQ(controls.left(shape), 0);
  EXPECT_EQ(controls.width(shape), 4000);
  clock.Tick();
  controls.setWidth(ctl::kPicture1, 5000);
  EXPECT_EQ(controls.left(shape), 0);
  EXPECT_EQ(controls.width(shape), 5000);
}

TEST_F(GameClockTest, MinimisingPausesTheCountButNotTheBarOrTheFlash) {
  SetTime("00", "10", 600);
  window.minimized = true;
  Second();
  Second();
  EXPECT_EQ(Shown(), "00:10");
  EXPECT_EQ(controls.left(ctl::kShape1), -20);
  EXPECT_EQ(controls.colour(ctl::kPicture1), colours::kBlack) << "flashed twice";
  window.minimized = false;
  Second();
  EXPECT_EQ(Shown(), "00:09");
}

TEST_F(GameClockTest, TimeUpTellsThePlayerAndRestarts) {
  SetTime("00", "01", 600);
  Second();
  EXPECT_EQ(Shown(), "00:00");
  EXPECT_TRUE(prompter.prompts.isEmpty());
  Second();
  ASSERT_EQ(prompter.texts(), QStringList{QStringLiteral("时间到！")});
  EXPECT_EQ(restarts, 1);
  EXPECT_EQ(Shown(), "10:00") << "the new game starts with the full limit";
}

}  // namespace
}  // namespace varelo
