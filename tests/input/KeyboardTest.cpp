// The keyboard map's four stages and the clicks on the side controls.

#include <gtest/gtest.h>

#include "game/GameClock.h"
#include "tests/game/GameHarness.h"

namespace varelo {
namespace {

using testing::GameHarness;

constexpr int kShift = 1, kCtrl = 2, kAlt = 4;
constexpr int kEsc = 27, kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kBackspace = 8;

int EmptyCell(GameHarness& h) {
  int n = 1;
  while (h.board().digit(0, n) != 0) ++n;
  return n;
}

TEST(Keyboard, DigitsOnBothKeyboardsWithOrWithoutShift) {
  GameHarness h;
  h.game.Click(ctl::kSjms);
  const int cell = EmptyCell(h);
  const int digit = testing::kSolution[cell - 1] - '0';  // never clashes
  h.Select(0, cell);
  h.Key(48 + digit, kShift);
  EXPECT_EQ(h.board().digit(0, cell), digit);
  h.Key(96);  // keypad 0 erases
  EXPECT_EQ(h.board().digit(0, cell), 0);
  h.Key(96 + digit);
  EXPECT_EQ(h.board().digit(0, cell), digit) << "keypad digit";
  h.Key(kBackspace, kShift);
  EXPECT_EQ(h.board().digit(0, cell), 0);
  h.Key(48 + digit);
  h.Key(48);
  EXPECT_EQ(h.board().digit(0, cell), 0) << "0 erases";

  h.Key(48 + digit, kCtrl);
  h.Key(48 + digit, kAlt);
  h.Key(96 + digit, kCtrl | kShift);
  EXPECT_EQ(h.board().digit(0, cell), 0) << "Ctrl and Alt keep digits out";
}

TEST(Keyboard, ModifiedKeysSkipTheCompletionCheck) {
  GameHarness h;
  h.game.Click(ctl::kQjyj);
  for (int i = 0; i < 9; ++i) h.TypeDigit(0, i + 1, i + 1);
  ASSERT_TRUE(h.controls().isEnabled(ctl::Command(2)));
  // Emptying a cell by another way than a key leaves the button as it was
  // until a key without Ctrl or Alt runs the check.
  h.board().setDigit(0, 9, 0);
  h.Key(65, kCtrl);
  EXPECT_TRUE(h.controls().isEnabled(ctl::Command(2)));
  h.Key(kEsc, kShift | kCtrl);  // Esc hides to the tray, no check with Ctrl
  EXPECT_TRUE(h.controls().isEnabled(ctl::Command(2)));
  h.Key(kEsc);  // without Ctrl the check follows Esc too
  EXPECT_FALSE(h.controls().isEnabled(ctl::Command(2)));
  EXPECT_EQ(h.window.trayHides, 2) << "lbj absent: the boss key is on";
}

TEST(Keyboard, EscAsksToQuitWhenTheBossKeyIsOff) {
  GameHarness h;
  h.store().Write(SettingKey::BossKey, QStringLiteral("0"));
  h.prompter.Answer(Answer::Cancel);
  h.Key(kEsc);
  ASSERT_EQ(h.prompter.prompts.size(), 1);
  EXPECT_EQ(h.prompter.prompts[0].text, QStringLiteral("确定要退出吗？"));
  EXPECT_EQ(h.prompter.prompts[0].buttons, Prompt::Buttons::OkCancel);
  EXPECT_EQ(h.window.quits, 0);
  h.Key(kEsc);  // answered OK
  EXPECT_EQ(h.window.quits, 1);
  EXPECT_EQ(h.window.trayHides, 0);
}

TEST(Keyboard, OnlyExactlyCtrlAltSevenTogglesTheFrameCorrection) {
  GameHarness h;
  h.Key(55, kCtrl | kAlt | kShift);
  EXPECT_EQ(h.store().Read(SettingKey::FrameCorrection), "no");
  h.Key(55, kCtrl | kAlt);
  EXPECT_EQ(h.store().Read(SettingKey::FrameCorrection), "yes");
  h.Key(103, kCtrl | kAlt);  // keypad 7
  EXPECT_EQ(h.store().Read(SettingKey::FrameCorrection), "no");
  EXPECT_EQ(h.prompter.texts(), (QStringList{QStringLiteral("修正已完成，将在下次运行游戏时生效。"),
                                             QStringLiteral("修正已取消，将在下次运行游戏时生效。")}));
  h.store().Write(SettingKey::FrameCorrection, QStringLiteral("YES"));
  h.Key(55, kCtrl | kAlt);
  EXPECT_EQ(h.store().Read(SettingKey::FrameCorrection), "yes") << "YES is not yes";
}

TEST(Keyboard, ArrowsStepTheMainCursorOnlyWithThePointerAway) {
  GameHarness h;
  h.pointerOverMainGrid = true;
  h.Key(kRight);
  EXPECT_EQ(h.game.cursors().state(0).horizontal, 0);
  h.pointerOverMainGrid = false;
  h.Key(kRight);
  h.Key(kDown);
  EXPECT_EQ(h.game.cursors().state(0).horizontal, 4);
  EXPECT_EQ(h.game.cursors().state(0).vertical, 3);
  EXPECT_EQ(h.game.cursors().step(), Cursors::kKeyStep);
  h.Key(kLeft);
  h.Key(kUp);
  EXPECT_EQ(h.game.cursors().state(0).horizontal, 2);
  EXPECT_EQ(h.game.cursors().state(0).vertical, 1);
}

TEST(Keyboard, LeftAndRightStepTheStartScreenLevel) {
  GameHarness h;
  // The start screen shows an arrow only where a level lies; here the fake
  // start screen shows both while the level is within 1..20.
  h.game.links().updateLevelArrows = [&h] {
    const int level = h.game.state().resumeLevel().value_or(0);
    h.game.state().setLevelArrows({level > 1, level < 20});
  };
  h.game.state().setResumeLevel(9);
  h.game.links().updateLevelArrows();
  h.Key(kRight);
  EXPECT_EQ(h.controls().text(ctl::LblBegin(7)), QStringLiteral("第10关"));
  h.Key(kRight, kShift);
  EXPECT_EQ(h.controls().text(ctl::LblBegin(7)), QStringLiteral("第20关"));
  h.Key(kLeft, kShift);
  EXPECT_EQ(h.controls().text(ctl::LblBegin(7)), QStringLiteral("第1关"));
  h.Key(kLeft);
  EXPECT_EQ(h.controls().text(ctl::LblBegin(7)), QStringLiteral("第1关"));
  h.game.Click(ctl::kImgRa);
  EXPECT_EQ(h.controls().text(ctl::LblBegin(7)), QStringLiteral("第2关"));
}

TEST(Keyboard, TheHintLineCyclesSevenColoursAndRemembersThem) {
  GameHarness h;
  const Rgb yellow{255, 255, 0};
  ASSERT_EQ(h.controls().colour(ctl::kLbltishi), yellow);
  h.game.Click(ctl::kLbltishi);
  EXPECT_EQ(h.controls().colour(ctl::kLbltishi), (Rgb{0, 255, 0}));
  EXPECT_EQ(h.store().Read(SettingKey::HintLineColour), "65280");
  for (int i = 0; i < 6; ++i) h.game.Click(ctl::kLbltishi);
  EXPECT_EQ(h.controls().colour(ctl::kLbltishi), yellow);
  // Any colour outside the cycle goes to red.
  h.game.state().setHintLineColour(Rgb{1, 2, 3});
  h.game.Click(ctl::kLbltishi);
  EXPECT_EQ(h.controls().colour(ctl::kLbltishi), (Rgb{255, 0, 0}));
}

}  // namespace
}  // namespace varelo
