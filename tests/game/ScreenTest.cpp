// The window is drawn from the game value alone: a Session reached by
// playing, drawn afresh onto a new control table, shows every caption,
// visibility and enabled state the played table shows. A control that some
// rule writes behind the value's back differs here.
#include <QCoreApplication>

#include <functional>

#include <gtest/gtest.h>

#include "game/GameHarness.h"
#include "game/OptionsFlow.h"
#include "game/SolveController.h"
#include "model/Screen.h"
#include "support/Grids.h"

namespace varelo::testing {
namespace {

// Drawn by their own parts, not from the value: the time strip, the win
// pointer and the list of puzzle files.
bool DrawnElsewhere(const QString& name) {
  return name == ctl::kShape1 || name == ctl::kShape2 || name == ctl::kImgpt || name == ctl::Indexed(ctl::kMnufil, 0);
}

void TypeNineDigits(GameHarness& h) {
  const GridDigits solution = RelabelledGrid(0, 0);
  for (int i = 0; i < 9; ++i) h.TypeDigit(0, i * 10 + 1, solution[i * 10]);
}

void RunSolver(GameHarness& h) {
  h.game.Click(ctl::Command(2));
  for (int i = 0; i < 10000 && h.game.solver().running(); ++i) QCoreApplication::processEvents();
}

TEST(Screen, EveryModeDrawnFromItsValueShowsWhatPlayShows) {
  struct Case {
    const char* what;
    GameMode mode;
    SolvePhase phase;
    std::function<void(GameHarness&)> play;
  };
  using enum GameMode;
  using enum SolvePhase;
  const Case cases[] = {
      {"the start screen", None, Ready, [](GameHarness&) {}},
      {"mission level 3", Mission, Ready, [](GameHarness& h) { h.game.Click(ctl::Indexed(ctl::kMnuLevels, 2)); }},
      {"a random game with the pencil", Random, Ready,
       [](GameHarness& h) {
         h.game.Click(ctl::LblBegin(8));
         h.game.Click(ctl::kImgcol);
       }},
      {"combination of order 2", Combination, Ready, [](GameHarness& h) { h.game.Click(ctl::LblBegin(9)); }},
      {"combination of order 3, paused", Combination, Ready,
       [](GameHarness& h) {
         h.game.Click(ctl::LblBegin(10));
         h.game.options().Open();
       }},
      {"solve mode with a puzzle to solve", Solve, Ready,
       [](GameHarness& h) {
         h.game.Click(ctl::LblBegin(12));
         TypeNineDigits(h);
       }},
      {"solve mode while the solver runs", Solve, Running,
       [](GameHarness& h) {
         h.game.Click(ctl::LblBegin(12));
         TypeNineDigits(h);
         h.game.Click(ctl::Command(2));
       }},
      {"solve mode with a solution shown", Solve, SolutionShown,
       [](GameHarness& h) {
         h.game.Click(ctl::LblBegin(12));
         TypeNineDigits(h);
         RunSolver(h);
       }},
      {"solve mode of order 2 after its results were cleared", Solve, Ready,
       [](GameHarness& h) {
         h.game.Click(ctl::LblBegin(13));
         TypeNineDigits(h);
         RunSolver(h);
         h.game.Click(ctl::Command(4));
       }},
  };
  for (const Case& c : cases) {
    GameHarness h;
    c.play(h);
    ASSERT_EQ(h.game.state().mode(), c.mode) << c.what;
    ASSERT_EQ(h.game.state().solvePhase(), c.phase) << c.what;
    Controls drawn;
    ShowScreen(h.game.state().session(), drawn);
    for (const QString& name : h.controls().names()) {
      if (DrawnElsewhere(name)) continue;
      const ControlState& played = h.controls().state(name);
      const ControlState& fresh = drawn.state(name);
      EXPECT_EQ(fresh.visible, played.visible) << c.what << ": " << name.toStdString();
      if (!played.visible) continue;  // what a hidden control holds is never seen
      EXPECT_EQ(fresh.text, played.text) << c.what << ": " << name.toStdString();
      EXPECT_EQ(fresh.toolTip, played.toolTip) << c.what << ": " << name.toStdString();
      EXPECT_EQ(fresh.enabled, played.enabled) << c.what << ": " << name.toStdString();
    }
  }
}

}  // namespace
}  // namespace varelo::testing
