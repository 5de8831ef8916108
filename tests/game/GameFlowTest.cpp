// Playing through the game's rules without a window: modes and their top
// bar, time limits, restarts, wins and mission progression.

#include <gtest/gtest.h>

#include <set>

#include "game/Completion.h"
#include "game/GameClock.h"
#include "game/GameFlow.h"
#include "game/PuzzleSetup.h"
#include "input/ConflictMarker.h"
#include "tests/game/GameHarness.h"

namespace varelo {
namespace {

using testing::GameHarness;

// The fake bank's levels all complete to the same relabelled grid.
GridDigits LevelSolution(int level) { return testing::RelabelledGrid(40, level % 9 + 1); }

TEST(GameFlow, AFirstRunPlaysLevelOneAndAWinOpensLevelTwo) {
  GameHarness h;
  h.store().Write(SettingKey::MissionLevel, 9);  // a first run ignores it
  ASSERT_EQ(h.controls().text(ctl::LblBegin(7)), texts::kMissionMode);
  h.game.Click(ctl::LblBegin(7));
  EXPECT_EQ(h.store().ReadInt(SettingKey::MissionLevel), 1);
  EXPECT_EQ(h.Top(0), texts::kModeMission);
  EXPECT_EQ(h.Top(1), "Level 1");
  EXPECT_EQ(h.Top(2), texts::kHintOn);
  EXPECT_EQ(h.Top(3), QStringLiteral("简单"));
  EXPECT_EQ(h.Clock(), "10|:|00");
  EXPECT_EQ(h.Givens(0), 40);
  EXPECT_TRUE(h.game.clock().isRunning());

  h.Solve(0, LevelSolution(1));
  EXPECT_EQ(h.prompter.texts(), QStringList{QStringLiteral("你赢了！")});
  EXPECT_EQ(h.Top(1), "Level 2");
  EXPECT_EQ(h.store().ReadInt(SettingKey::MissionLevel), 2);
  EXPECT_EQ(h.store().ReadInt(SettingKey::LevelsOpened), 2);
  EXPECT_EQ(h.levelItemsAdded, 1);
  EXPECT_EQ(h.Givens(0), 40);
  EXPECT_EQ(h.board().digit(0, 1) == 0 || h.board().isFixed(0, 1), true) << "a fresh puzzle";
  EXPECT_TRUE(h.controls().isVisible(ctl::PicMis(0)));
}

TEST(GameFlow, ProgressionFollowsStateAndOpenedLevels) {
  struct Case {
    int state, acs, nextState, nextAcs, items;
    const char* message;
  };
  // Winning the level below the highest opened opens nothing new.
  for (const Case c : {Case{7, 7, 8, 8, 1, "你赢了！"}, Case{3, 10, 4, 10, 0, "你赢了！"},
                       Case{6, 7, 7, 7, 0, "你赢了！"}, Case{1999, 1999, 1, 1999, 0, "恭喜您已通关！"}}) {
    GameHarness h;
    h.store().Write(SettingKey::LevelsOpened, c.acs);
    h.game.Click(QStringLiteral("mnuLevels(%1)").arg(c.state - 1));
    EXPECT_EQ(h.store().ReadInt(SettingKey::MissionLevel), c.state);
    h.Solve(0, LevelSolution(c.state));
    ASSERT_FALSE(h.prompter.texts().isEmpty()) << c.state;
    EXPECT_EQ(h.prompter.texts().last(), QString::fromUtf8(c.message)) << c.state;
    EXPECT_EQ(h.store().ReadInt(SettingKey::MissionLevel), c.nextState) << c.state;
    EXPECT_EQ(h.store().ReadInt(SettingKey::LevelsOpened), c.nextAcs) << c.state;
    EXPECT_EQ(h.levelItemsAdded, c.items) << c.state;
    EXPECT_EQ(h.Top(1), QStringLiteral("Level %1").arg(c.nextState));
  }
}

// A full grid is a win only when no digit repeats in a row, column or box;
// the check reads the digits, whatever the way they came onto the board.
TEST(GameFlow, AFullGridWithARepeatedDigitIsNoWin) {
  struct Case {
    const char* what;
    bool repeated;
  };
  for (const Case c : {Case{"the solution", false}, Case{"two cells swapped", true}}) {
    GameHarness h;
    h.game.Click(ctl::kSjms);
    GridDigits full = testing::RelabelledGrid(0, 0);
    int open = 1;
    while (h.board().isFixed(0, open)) ++open;
    // The open cell takes the digit of its row's neighbour.
    if (c.repeated) full[open - 1] = full[(open - 1) / 9 * 9 + (open % 9 == 1 ? 1 : 0)];
    for (int n = 1; n <= 81; ++n)
      if (!h.board().isFixed(0, n)) h.board().setDigit(0, n, full[n - 1]);
    h.prompter.prompts.clear();
    h.game.completion().AfterEntryCheck();
    EXPECT_EQ(h.prompter.texts().contains(QStringLiteral("你赢了！")), !c.repeated) << c.what;
  }
}

TEST(GameFlow, ALaterStartResumesTheLevelOnTheStartScreen) {
  GameHarness h;
  h.game.state().setResumeLevel(12);
  h.game.Click(ctl::LblBegin(7));
  EXPECT_EQ(h.store().ReadInt(SettingKey::MissionLevel), 12);
  EXPECT_EQ(h.Top(1), "Level 12");
  EXPECT_EQ(h.Givens(0), 40 - 11 / 3);
}

TEST(GameFlow, TimeLimitsFollowDifficultyAndOrder) {
  struct Case {
    const char* nd;
    const char* entry;
    const char* clock;
    int limit;
  };
  for (const Case c :
       {Case{"3", "zhsj", "10|:|00", 600}, Case{"3", "zhej", "12|:|30", 750}, Case{"4", "zhsj", "06|:|00", 360},
        Case{"4", "zhej", "10|:|00", 600}, Case{"4", "sjms", "05|:|00", 300}, Case{"4", "mnuLevels(2)", "05|:|00", 300},
        Case{"2", "zhsj", "20|:|00", 1200}, Case{"3", "sjms", "07|:|30", 450}}) {
    GameHarness h;
    h.store().Write(SettingKey::Difficulty, QString::fromLatin1(c.nd));
    h.game.Click(QString::fromLatin1(c.entry));
    EXPECT_EQ(h.Clock(), QString::fromUtf8(c.clock)) << c.nd << " " << c.entry;
    EXPECT_EQ(h.game.clock().timeLimitSeconds(), c.limit) << c.nd << " " << c.entry;
  }
}

TEST(GameFlow, BeginnersPlayWithoutAClock) {
  GameHarness h;
  h.store().Write(SettingKey::Difficulty, QStringLiteral("1"));
  h.game.Click(ctl::LblBegin(8));
  EXPECT_EQ(h.Top(3), QStringLiteral("初学者"));
  EXPECT_EQ(h.Clock(), QStringLiteral("|∞|"));
  EXPECT_FALSE(h.game.clock().isRunning());
}

TEST(GameFlow, ATimeOutRestartsTheSameMissionLevel) {
  GameHarness h;
  h.store().Write(SettingKey::Difficulty, QStringLiteral("4"));
  h.game.Click(ctl::Indexed(ctl::kMnuLevels, 6));
  std::set<int> givens;
  for (int n = 1; n <= 81; ++n)
    if (h.board().isFixed(0, n)) givens.insert(n);
  for (int i = 0; i < 2 * 301; ++i) h.game.clock().Tick();
  EXPECT_EQ(h.prompter.texts(), QStringList{QStringLiteral("时间到！")});
  EXPECT_EQ(h.Top(1), "Level 7");
  std::set<int> again;
  for (int n = 1; n <= 81; ++n)
    if (h.board().isFixed(0, n)) again.insert(n);
  EXPECT_EQ(again, givens);
  EXPECT_EQ(h.Clock(), "05|:|00") << "the new game starts with the full limit";
  EXPECT_TRUE(h.game.clock().isRunning());
}

TEST(GameFlow, CombinationsShowTheirGridsAndAWinLocksThem) {
  GameHarness h;
  h.game.Click(ctl::kZhej);
  EXPECT_EQ(h.Top(0), texts::kCombination);
  EXPECT_EQ(h.Top(1), texts::kOrder2);
  EXPECT_EQ(h.Top(2), texts::kHintUnavailable);
  EXPECT_FALSE(h.controls().isVisible(ctl::PicMis(0)));
  EXPECT_TRUE(h.controls().isVisible(ctl::PicMis(1)));
  EXPECT_TRUE(h.controls().isVisible(ctl::PicMis(2)));
  EXPECT_EQ(h.board().digit(1, 81), 0);
  EXPECT_EQ(h.board().digit(2, 1), 0);

  const GridDigits grid1 = testing::RelabelledGrid(0, 0);
  const GridDigits grid2 = testing::RelabelledGrid(0, grid1[80]);
  h.Solve(1, grid1);
  EXPECT_EQ(h.board().digit(2, 1), grid1[80]) << "the corner was copied";
  h.Solve(2, grid2);
  EXPECT_EQ(h.prompter.texts(), QStringList{QStringLiteral("你赢了！")});
  EXPECT_FALSE(h.board().gridEditable(1));
  EXPECT_FALSE(h.board().gridEditable(2));
  EXPECT_FALSE(h.game.clock().isRunning());
  EXPECT_TRUE(h.game.completion().pointerRunning());
  // The pointer bobs between 600 and 480 twips above the restart button.
  h.controls().setTop(ctl::Command(1), 6000);
  h.controls().setTop(ctl::kImgpt, 6000 - 600);
  int highest = 6000, lowest = 0;
  for (int i = 0; i < 40; ++i) {
    h.game.completion().BobPointer();
    highest = std::min(highest, h.controls().top(ctl::kImgpt));
    lowest = std::max(lowest, h.controls().top(ctl::kImgpt));
  }
  EXPECT_EQ(highest, 6000 - 615);
  EXPECT_EQ(lowest, 6000 - 465);
  EXPECT_TRUE(h.controls().isVisible(ctl::kImgpt));

  h.game.Click(ctl::Command(1));
  EXPECT_FALSE(h.game.completion().pointerRunning());
  EXPECT_FALSE(h.controls().isVisible(ctl::kImgpt));
  EXPECT_TRUE(h.board().gridEditable(1));
}

TEST(GameFlow, F6DuringACombinationReturnsToASingleGrid) {
  GameHarness h;
  h.store().Write(SettingKey::ColourHint, QStringLiteral("0"));
  h.game.Click(ctl::kZhsj);
  EXPECT_TRUE(h.controls().isVisible(ctl::PicMis(3)));
  h.game.Click(ctl::kSjms);
  for (int grid = 1; grid <= 3; ++grid) {
    EXPECT_FALSE(h.controls().isVisible(ctl::PicMis(grid)));
    EXPECT_FALSE(h.board().gridEditable(grid));
  }
  EXPECT_TRUE(h.controls().isVisible(ctl::PicMis(0)));
  EXPECT_EQ(h.Top(0), texts::kModeRandom);
  EXPECT_EQ(h.Top(2), texts::kHintOff);
  EXPECT_EQ(h.Givens(0), 35);
}

TEST(GameFlow, ARestartIsIgnoredWhileAConflictShows) {
  GameHarness h;
  h.game.Click(ctl::kSjms);
  int given = 1;
  while (!h.board().isFixed(0, given)) ++given;
  // Enter the given's digit elsewhere in its row.
  int other = (given - 1) / 9 * 9 + 1;
  while (h.board().digit(0, other) != 0) ++other;
  h.TypeDigit(0, other, h.board().digit(0, given));
  ASSERT_TRUE(h.game.conflicts().anyEraseTimerRunning());
  const int before = h.board().digit(0, other);
  h.game.Click(ctl::Command(1));
  EXPECT_EQ(h.board().digit(0, other), before) << "same puzzle, conflict still shown";
  EXPECT_TRUE(h.controls().isEnabled(ctl::Command(1)));
}

// The colour hint's shades of the last game never show under a typed puzzle.
TEST(GameFlow, SolveModeAfterAColouredGameShowsTheCheckerboard) {
  GameHarness h;
  h.game.Click(ctl::LblBegin(8));
  ASSERT_TRUE(h.board().shadesShown());
  h.game.Click(ctl::LblBegin(12));
  for (int n = 1; n <= 81; ++n) EXPECT_EQ(h.board().background(0, n), colours::Checkerboard(n)) << n;
}

TEST(GameFlow, SolveModeShowsEmptyGridsAndItsButtons) {
  GameHarness h;
  h.game.Click(ctl::LblBegin(12));
  EXPECT_EQ(h.Top(0), texts::kSolveSudoku);
  EXPECT_EQ(h.Top(1), texts::kOrder1);
  EXPECT_EQ(h.Top(2), texts::kHintUnavailable);
  EXPECT_EQ(h.Clock(), "||");
  EXPECT_FALSE(h.controls().isVisible(ctl::Command(1)));
  for (int i = 2; i <= 5; ++i) EXPECT_TRUE(h.controls().isVisible(ctl::Command(i)));
  EXPECT_FALSE(h.controls().isEnabled(ctl::Command(2)));
  EXPECT_FALSE(h.controls().isEnabled(ctl::Command(4)));
  EXPECT_TRUE(h.board().inSolveMode());
  EXPECT_EQ(h.Givens(0), 0);

  // Nine typed digits enable the solve button; removing one disables it.
  const GridDigits solution = testing::RelabelledGrid(0, 0);
  for (int i = 0; i < 9; ++i) h.TypeDigit(0, i * 10 + 1, solution[i * 10]);
  EXPECT_TRUE(h.controls().isEnabled(ctl::Command(2)));
  h.Select(0, 81);
  h.Key(8);
  EXPECT_FALSE(h.controls().isEnabled(ctl::Command(2)));
  EXPECT_EQ(h.board().ink(0, 1), colours::kBlack);

  // A whole valid grid typed by hand is confirmed, nothing more.
  h.Solve(0, solution);
  EXPECT_EQ(h.prompter.texts(), QStringList{QStringLiteral("这组数可以构成一个一阶数独。")});
  EXPECT_TRUE(h.board().gridEditable(0));
}

TEST(GameFlow, SolveModeOfOrderTwoFromTheMenu) {
  GameHarness h;
  h.game.Click(ctl::kSjms);
  h.game.Click(ctl::kQjej);
  EXPECT_EQ(h.Top(1), texts::kOrder2);
  EXPECT_FALSE(h.controls().isVisible(ctl::PicMis(0)));
  EXPECT_TRUE(h.controls().isVisible(ctl::PicMis(2)));
  EXPECT_FALSE(h.game.clock().isRunning());
  EXPECT_EQ(h.Givens(1) + h.Givens(2), 0);
  EXPECT_FALSE(h.controls().isVisible(ctl::kImgcol));
  EXPECT_EQ(h.board().background(2, 9), colours::kCheckerOdd);
  EXPECT_EQ(h.board().background(2, 1), colours::kSharedCorner);
}

}  // namespace
}  // namespace varelo
