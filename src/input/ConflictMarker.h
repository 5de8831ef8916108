#pragma once
// A digit that breaks a rule does not stay: the clashing digits turn red, a
// red cross covers the new digit, its grid stops taking keys, and one second
// later the erase timer of the grid removes the digit and restores the inks.

#include <QObject>

#include <array>
#include <vector>

#include "core/CellMath.h"
#include "core/RuleChecks.h"

class QTimer;

namespace varelo {

class Board;
class ColourHint;

class ConflictMarker : public QObject, public ClashHook {
  Q_OBJECT

 public:
  ConflictMarker(Board& board, ColourHint& hint, QObject* parent = nullptr);

  // The cell whose entry the next marking checks of `grid` test. A clash
  // found by them withdraws exactly this cell: remembering it, rather than
  // reading the grid's cursor when the timer fires, keeps a copy into a
  // partner grid's corner from erasing whatever that grid's cursor is on.
  void setEntryUnderTest(int grid, int cell) { entryUnderTest_[grid] = cell; }

  // The clash hook of the marking checks: `cell` already holds the digit.
  void MarkClash(int grid, int cell) override;

  // Grid k's cross over a cell; one cross per grid.
  void ShowConflictCross(int grid, int cell);
  int crossCell(int grid) const { return crossCell_[grid]; }  // 0: hidden

  // In solve mode, digits that break the rule and stay (a loaded puzzle's
  // clashing givens) are red, and lose the red once the clash is gone. No
  // timer withdraws them: nobody typed them a moment ago.
  void MarkStandingClashes();
  // Their red belongs to the puzzle: it goes when the game is left.
  void ClearStandingClashes();

  // Ends every conflict still shown at once, as its erase tick would: the
  // game it belongs to is being left, and its pending erase must neither
  // hold up the next game nor cut a digit out of it later.
  void EraseNow();

  bool eraseTimerRunning(int grid) const;
  bool anyEraseTimerRunning() const;  // a conflict is being shown
  // The cells grid k's next erase tick withdraws: the entry that clashed
  // and, when a shared corner's copy clashed there before the tick, the
  // copy as well.
  const std::vector<int>& pendingErase(int grid) const { return pendingErase_[grid]; }

 public slots:
  // The tick of grid k's erase timer (Timer3, Timer31..Timer34).
  void EraseTick(int grid);

 signals:
  void crossChanged(int grid);

 private:
  void HideCross(int grid);
  bool GridInLayout(int grid) const;
  void Withdraw(int grid, int cell);

  Board& board_;
  ColourHint& hint_;
  std::array<QTimer*, kGridCount> eraseTimers_{};
  std::array<int, kGridCount> entryUnderTest_{};
  std::array<std::vector<int>, kGridCount> pendingErase_{};
  std::array<int, kGridCount> crossCell_{};
};

}  // namespace varelo
