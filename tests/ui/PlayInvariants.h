#pragma once
// What must hold in the real window after every event of a random play:
// digits in range, both records of a shared corner alike, no given changed
// except by the events allowed to, no clash left in a game, red ink and
// crosses only while their erase timer runs, the top bar's captions and the
// clock as the tables give them for the mode, the grids of the order
// shown, and glide timers asleep only where there is nothing to glide.
// Each check returns the violations it finds as readable lines.

#include <QStringList>

#include <array>
#include <optional>
#include <vector>

#include "core/Board.h"

namespace varelo {

class MainWindow;
class SettingsStore;

namespace testing {

class PlayInvariants {
 public:
  PlayInvariants(MainWindow& window, const SettingsStore& settings);

  // The board as it was before an event.
  void Snapshot();
  // After the event; `fixedMayChange` when it started a new puzzle, changed
  // the mode, reset, loaded or ran the solver.
  QStringList Check(bool fixedMayChange) const;

  // The grids in play, row by row: a digit, "." for an empty cell, a given
  // marked "*", a pencil digit "'"; for a failure report.
  QString Dump() const;

  // The player kept the game when Options would have restarted it: until
  // the next game begins, the top bar shows the game's difficulty, not the
  // one just saved.
  void RestartDeclined();
  void GameBegan() { keptDifficulty_.reset(); }

  // Right after grid `grid`'s erase tick, which was to withdraw `pending`.
  QStringList AfterEraseTick(int grid, const std::vector<int>& pending) const;

 private:
  QStringList Digits() const;
  QStringList Corners() const;
  QStringList Givens() const;
  QStringList Clashes() const;
  QStringList ConflictMarks() const;
  QStringList TopBar() const;
  QStringList ClockCaptions(const QString& difficulty, const QString& order) const;
  QStringList ShownGrids() const;
  QStringList ClockRunning() const;
  QStringList InputGrids() const;
  QStringList GlideTimers() const;

  bool EraseTimerRunning(int grid) const;
  bool AnyEraseTimerRunning() const;
  bool PlayingMode() const;

  MainWindow& window_;
  const SettingsStore& settings_;
  std::array<CellState, kGridCount * kCellsPerGrid> before_{};
  std::optional<int> keptDifficulty_;
};

}  // namespace testing
}  // namespace varelo
