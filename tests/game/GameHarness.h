#pragma once
// A whole game without a window: the real rules behind a scripted prompter,
// a fake window, a fake puzzle generator and a small fake level bank.

#include <QStringList>

#include "core/Board.h"
#include "game/Game.h"
#include "model/Controls.h"
#include "model/Cursors.h"
#include "model/Texts.h"
#include "settings/SettingsStore.h"
#include "sources/LevelBank.h"
#include "support/Fakes.h"
#include "support/Grids.h"
#include "support/TempSettings.h"

namespace varelo::testing {

inline QString ToText(const GridDigits& grid) {
  QString text;
  for (unsigned char d : grid) text += QChar(u'0' + d);
  return text;
}

class GameHarness {
 public:
  enum class Parts { Fakes, Real };

  // With Parts::Real the game keeps its own generator and level bank, and
  // `programDir` stands for the executable's folder.
  explicit GameHarness(Parts parts = Parts::Fakes, const QString& programDir = QStringLiteral("/nonexistent"))
      : game(settings.store(), prompter, window, AppPaths{programDir}) {
    GameLinks& links = game.links();
    links.pointerOverMainGrid = [this] { return pointerOverMainGrid; };
    if (parts == Parts::Real) {
      game.Load();
      return;
    }
    links.randomFill = [](const FillRequest& request) {
      FilledGrid filled;
      filled.digits = request.workGrid == 2   ? RelabelledGrid(0, request.sharedDigit12)
                      : request.workGrid == 3 ? RelabelledGrid(72, request.sharedDigit23)
                                              : RelabelledGrid(0, 0);
      return filled;
    };
    // Levels 1..50: complete grids; 51..1999: puzzles with the first row given.
    links.levelEntry = [](int level) -> QString {
      if (level < 1 || level > 1999) return QString();
      const QString grid = ToText(RelabelledGrid(40, level % 9 + 1));
      return level <= 50 ? grid : grid.left(9) + QString(72, u'0');
    };
    game.Load();
    QObject::connect(&game.levelBank().menu(), &LevelMenu::itemAdded, [this] { ++levelItemsAdded; });
  }

  Board& board() { return game.board(); }
  Controls& controls() { return game.controls(); }
  SettingsStore& store() { return settings.store(); }

  // Puts grid k's cursor at rest on a cell, its frame the only one shown.
  void Select(int grid, int cell) {
    for (int g = 0; g < kGridCount; ++g) {
      CursorState state = game.cursors().state(g);
      state.frameShown = g == 0 || g == grid;
      if (g == grid) state.currentCell = cell;
      game.cursors().setState(g, state);
    }
  }
  void Key(int code, int modifiers = 0) { game.KeyDown(code, modifiers); }
  void TypeDigit(int grid, int cell, int digit) {
    Select(grid, cell);
    Key(48 + digit);
  }
  // Types the solution into every empty cell of a grid.
  void Solve(int grid, const GridDigits& solution) {
    for (int n = 1; n <= 81; ++n)
      if (board().digit(grid, n) == 0) TypeDigit(grid, n, solution[n - 1]);
  }
  int Givens(int grid) {
    int count = 0;
    for (int n = 1; n <= 81; ++n) count += board().isFixed(grid, n);
    return count;
  }
  QString Top(int i) { return controls().text(ctl::LblTop(i)); }
  QString Clock() {
    return controls().text(ctl::LblTime(0)) + u'|' + controls().text(ctl::LblTime(1)) + u'|' +
           controls().text(ctl::LblTime(2));
  }

  TempSettings settings;
  RecordingPrompter prompter;
  FakeWindow window;
  Game game;
  int levelItemsAdded = 0;
  bool pointerOverMainGrid = false;
};

}  // namespace varelo::testing
