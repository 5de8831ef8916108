// The Options dialog's effect on the game: pause, resume, deferred restart.

#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <optional>
#include <set>

#include <gtest/gtest.h>

#include "game/Completion.h"
#include "game/GameClock.h"
#include "game/GameFlow.h"
#include "game/OptionsFlow.h"
#include "game/TopBarSlide.h"
#include "tests/game/GameHarness.h"

namespace varelo {
namespace {

class OptionsFlowTest : public ::testing::Test {
 protected:
  OptionsFlowTest()
      : topBar(h.controls()),
        options(h.board(), h.controls(), h.game.state(), h.game.notice(), h.game.cursors(), h.store(), h.game.clock(),
                topBar, h.game.flow(), h.window, h.game.hint(), h.prompter) {
    h.game.links().slideTopBarIn = [this] { topBar.StartSlideIn(); };
  }

  QTimer* RestartTimer() { return h.game.findChild<QTimer*>(ctl::kTimer10); }
  QString Clock() { return h.Clock(); }

  testing::GameHarness h;
  TopBarSlide topBar;
  OptionsFlow options;
};

TEST_F(OptionsFlowTest, FromTheStartScreenNothingPauses) {
  options.Open();
  options.Load();
  for (int grid = 0; grid < 5; ++grid) EXPECT_FALSE(h.controls().isVisible(ctl::PicMis(grid)));
  EXPECT_FALSE(h.controls().isVisible(ctl::LblBegin(2)) && h.controls().text(ctl::LblBegin(2)) == texts::kPause);
  EXPECT_FALSE(topBar.isSlidingOut());
  options.Cancel();
  EXPECT_FALSE(h.controls().isVisible(ctl::PicMis(0)));
}

TEST_F(OptionsFlowTest, CancelResumesATimedGameWhereItStopped) {
  h.game.Click(ctl::kSjms);
  for (int i = 0; i < 10; ++i) h.game.clock().Tick();
  const QString shown = Clock();
  options.Open();
  EXPECT_FALSE(h.controls().isVisible(ctl::PicMis(0)));
  EXPECT_FALSE(h.game.clock().isRunning());
  EXPECT_TRUE(topBar.isSlidingOut());
  EXPECT_EQ(h.controls().text(ctl::LblBegin(2)), texts::kPause);
  EXPECT_EQ(h.controls().colour(ctl::LblBegin(2)), (Rgb{0, 255, 0}));
  EXPECT_TRUE(h.controls().isVisible(ctl::LblBegin(2)));
  EXPECT_EQ(h.controls().top(ctl::LblBegin(2)), static_cast<int>(h.window.clientHeight() * 0.35));

  options.Load();
  options.Cancel();
  EXPECT_TRUE(h.controls().isVisible(ctl::PicMis(0)));
  EXPECT_TRUE(h.game.clock().isRunning());
  EXPECT_TRUE(topBar.isSlidingIn());
  EXPECT_FALSE(topBar.isSlidingOut());
  EXPECT_FALSE(h.controls().isVisible(ctl::LblBegin(2)));
  EXPECT_EQ(Clock(), shown);
  EXPECT_FALSE(RestartTimer()->isActive());
}

TEST_F(OptionsFlowTest, ATipChangeResumesWithoutARestart) {
  h.game.Click(ctl::kSjms);
  const GridDigits before = h.board().digitsOf(0);
  options.Open();
  OptionValues values = options.Load();
  values.trayTip = QStringLiteral("老板键");
  options.Accept(values);
  EXPECT_EQ(h.store().Read(SettingKey::TrayTip), QStringLiteral("老板键"));
  EXPECT_FALSE(RestartTimer()->isActive());
  EXPECT_TRUE(h.controls().isVisible(ctl::PicMis(0)));
  EXPECT_TRUE(h.game.clock().isRunning());
  EXPECT_EQ(h.board().digitsOf(0), before);
}

TEST_F(OptionsFlowTest, ADifficultyChangeRestartsOnceTheDialogHasClosed) {
  h.game.Click(ctl::kSjms);
  options.Open();
  OptionValues values = options.Load();
  values.difficultyIndex = 3;
  options.Accept(values);
  EXPECT_TRUE(RestartTimer()->isActive());
  EXPECT_FALSE(h.controls().isVisible(ctl::PicMis(0))) << "the dialog does not show the grid itself";
  EXPECT_EQ(h.store().Read(SettingKey::Difficulty), "4");
  EXPECT_EQ(h.Top(3), QStringLiteral("困难"));

  RestartTimer()->stop();
  h.game.flow().Restart();  // what Timer10's tick does
  EXPECT_TRUE(h.controls().isVisible(ctl::PicMis(0)));
  EXPECT_EQ(Clock(), "05|:|00");
}

// A change that restarts the game asks first when the player has written
// digits; No keeps the game as it was and saves the settings all the same.
TEST_F(OptionsFlowTest, ARestartThatWouldThrowAwayDigitsAsksFirst) {
  struct Case {
    const char* what;
    void (*change)(OptionValues&);
    bool typed;
    std::optional<Answer> answer;  // none: no question is expected
    bool restarts;
  };
  const Case cases[] = {
      {"difficulty, no digit typed", [](OptionValues& v) { v.difficultyIndex = 3; }, false, {}, true},
      {"difficulty, Yes", [](OptionValues& v) { v.difficultyIndex = 3; }, true, Answer::Yes, true},
      {"difficulty, No", [](OptionValues& v) { v.difficultyIndex = 3; }, true, Answer::No, false},
      {"givens, No", [](OptionValues& v) { v.givens = QStringLiteral("50"); }, true, Answer::No, false},
      {"colour hint, No", [](OptionValues& v) { v.colourHint = 0; }, true, Answer::No, false},
      {"tip only", [](OptionValues& v) { v.trayTip = QStringLiteral("老板键"); }, true, {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    h.store().Write(SettingKey::Difficulty, 2);
    h.store().Write(SettingKey::ColourHint, 2);
    h.game.Click(ctl::kSjms);
    int empty = 1;
    while (h.board().digit(0, empty) != 0) ++empty;
    if (c.typed) h.TypeDigit(0, empty, testing::RelabelledGrid(0, 0)[empty - 1]);
    const GridDigits before = h.board().digitsOf(0);
    h.prompter.prompts.clear();
    if (c.answer) h.prompter.Answer(*c.answer);

    options.Open();
    OptionValues values = options.Load();
    c.change(values);
    options.Accept(values);

    EXPECT_EQ(h.prompter.texts(), c.answer ? QStringList{texts::kOptionsRestartQuestion} : QStringList{});
    EXPECT_EQ(RestartTimer()->isActive(), c.restarts);
    EXPECT_EQ(h.store().Read(SettingKey::Difficulty), QString::number(values.difficultyIndex + 1)) << "saved";
    if (c.restarts) {
      RestartTimer()->stop();
      continue;
    }
    EXPECT_EQ(h.board().digitsOf(0), before) << "the game goes on";
    EXPECT_TRUE(h.controls().isVisible(ctl::PicMis(0)));
    EXPECT_TRUE(h.game.clock().isRunning()) << "a timed game counts on";
    EXPECT_EQ(h.Top(3), QStringLiteral("简单")) << "the game keeps its difficulty";
    EXPECT_EQ(h.Top(2), values.colourHint ? texts::kHintOn : texts::kHintOff);
    int other = empty + 1;
    while (h.board().digit(0, other) != 0) ++other;
    if (values.colourHint == 0) EXPECT_EQ(h.board().background(0, other), colours::Checkerboard(other));
  }
}

TEST_F(OptionsFlowTest, LoadRepairsAnInvalidGivensSetting) {
  for (const char* bad : {"7", "abc", "76", "20.5", ""}) {
    h.store().Write(SettingKey::Givens, QString::fromLatin1(bad));
    EXPECT_EQ(options.Load().givens, "35") << bad;
    EXPECT_EQ(h.store().Read(SettingKey::Givens), "35") << bad;
  }
  h.store().Write(SettingKey::Difficulty, QStringLiteral("9"));
  EXPECT_EQ(options.Load().difficultyIndex, 3) << "unknown difficulties show as hard";
}

TEST_F(OptionsFlowTest, AMissingBackgroundIsSavedAsTheDefault) {
  QTemporaryDir dir;
  OptionValues values = options.Load();
  values.background = dir.filePath(QStringLiteral("gone.jpg"));
  options.Accept(values);
  EXPECT_EQ(h.store().Read(SettingKey::Background), QStringLiteral("默认"));
  values.background = dir.path();  // a folder is no picture either
  options.Accept(values);
  EXPECT_EQ(h.store().Read(SettingKey::Background), QStringLiteral("默认"));
}

TEST_F(OptionsFlowTest, AWonCombinationStaysStoppedAndSolveModeIsNeverRestarted) {
  h.game.Click(ctl::kZhej);
  const GridDigits grid1 = testing::RelabelledGrid(0, 0);
  h.Solve(1, grid1);
  h.Solve(2, testing::RelabelledGrid(0, grid1[80]));
  ASSERT_TRUE(h.game.completion().pointerRunning());
  options.Open();
  options.Load();
  options.Cancel();
  EXPECT_FALSE(h.game.clock().isRunning()) << "the won game's clock stays stopped";

  h.game.Click(ctl::kQjyj);
  h.TypeDigit(0, 1, 5);
  options.Open();
  OptionValues values = options.Load();
  values.difficultyIndex = 0;
  options.Accept(values);
  EXPECT_FALSE(RestartTimer()->isActive());
  EXPECT_EQ(h.board().digit(0, 1), 5) << "the typed puzzle stays";
  EXPECT_TRUE(h.controls().isVisible(ctl::PicMis(0)));
}

// Every mode: the grids in play are drawn while the game runs, none while
// Options pauses it, and the same grids again after Cancel.
TEST_F(OptionsFlowTest, APauseHidesExactlyTheGridsInPlayOfEveryMode) {
  struct Case {
    const char* mode;
    std::function<void(GameFlow&)> start;
    std::set<int> grids;
  };
  const Case cases[] = {
      {"mission", [](GameFlow& f) { f.StartMission(3); }, {0}},
      {"random", [](GameFlow& f) { f.StartRandom(); }, {0}},
      {"order 2", [](GameFlow& f) { f.StartCombination(2); }, {1, 2}},
      {"order 3", [](GameFlow& f) { f.StartCombination(3); }, {1, 2, 3}},
      {"solve 1", [](GameFlow& f) { f.EnterSolveMode(0); }, {0}},
      {"solve 3", [](GameFlow& f) { f.EnterSolveMode(3); }, {1, 2, 3}},
  };
  auto drawn = [this] {
    std::set<int> grids;
    for (int grid = 0; grid < kGridCount; ++grid)
      if (h.controls().isVisible(ctl::PicMis(grid))) grids.insert(grid);
    return grids;
  };
  for (const Case& c : cases) {
    c.start(h.game.flow());
    EXPECT_EQ(drawn(), c.grids) << c.mode;
    options.Open();
    options.Load();
    EXPECT_TRUE(h.game.state().session().paused()) << c.mode;
    EXPECT_EQ(drawn(), std::set<int>{}) << c.mode;
    options.Cancel();
    EXPECT_FALSE(h.game.state().session().paused()) << c.mode;
    EXPECT_EQ(drawn(), c.grids) << c.mode;
  }
}

// The last digit typed while Options pauses the game wins nothing; the
// first check after the pause does.
TEST_F(OptionsFlowTest, APausedGameIsNotWonBehindTheDialog) {
  h.game.Click(ctl::LblBegin(7));
  const GridDigits solution = testing::RelabelledGrid(40, 2);
  int last = 81;
  while (h.board().digit(0, last) != 0) --last;
  for (int n = 1; n < last; ++n)
    if (h.board().digit(0, n) == 0) h.TypeDigit(0, n, solution[n - 1]);
  options.Open();
  h.TypeDigit(0, last, solution[last - 1]);
  EXPECT_TRUE(h.prompter.texts().isEmpty());
  options.Cancel();
  h.Key(48 + solution[last - 1]);
  EXPECT_EQ(h.prompter.texts(), QStringList{QStringLiteral("你赢了！")});
}

}  // namespace
}  // namespace varelo
