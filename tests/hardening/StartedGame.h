#pragma once
// A whole game without a window, with its own generator and level bank,
// started the way the window starts it on a store (and a program folder)
// the test prepared beforehand.

#include "core/Board.h"
#include "game/Game.h"
#include "game/GameClock.h"
#include "model/Controls.h"
#include "sources/LevelBank.h"
#include "support/Fakes.h"

namespace varelo::testing {

class StartedGame {
 public:
  explicit StartedGame(SettingsStore& store, const QString& programDir = QStringLiteral("/nonexistent"))
      : game(store, prompter, window, AppPaths{programDir}) {
    game.Load();
    game.levelBank().LoadRest();
  }
  QString Top(int i) { return game.controls().text(ctl::LblTop(i)); }
  int Givens(int grid) {
    int count = 0;
    for (int n = 1; n <= kCellsPerGrid; ++n) count += game.board().isFixed(grid, n);
    return count;
  }
  // Two ticks of the clock make one second.
  void RunClock(int seconds) {
    for (int i = 0; i < 2 * seconds; ++i)
      if (game.clock().isRunning()) game.clock().Tick();
  }

  RecordingPrompter prompter;
  FakeWindow window;
  Game game;
};

}  // namespace varelo::testing
