#include "input/ConflictMarker.h"

#include <QTimer>

#include <algorithm>
#include <set>
#include <utility>

#include "core/Board.h"
#include "core/ColourHint.h"
#include "core/ControlNames.h"

namespace varelo {

ConflictMarker::ConflictMarker(Board& board, ColourHint& hint, QObject* parent)
    : QObject(parent), board_(board), hint_(hint) {
  for (int grid = 0; grid < kGridCount; ++grid) {
    auto* timer = new QTimer(this);
    timer->setObjectName(ctl::GridTimer(3, grid));
    timer->setInterval(1000);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, [this, grid] { EraseTick(grid); });
    eraseTimers_[grid] = timer;
  }
}

void ConflictMarker::MarkClash(int grid, int cell) {
  board_.setClash(grid, cell, true);
  eraseTimers_[grid]->start();
  board_.setGridEditable(grid, false);
  // A grid already locked by a conflict can take a second wrong digit
  // through a shared corner's copy; its tick withdraws both.
  std::vector<int>& pending = pendingErase_[grid];
  if (std::find(pending.begin(), pending.end(), entryUnderTest_[grid]) == pending.end())
    pending.push_back(entryUnderTest_[grid]);
}

void ConflictMarker::ShowConflictCross(int grid, int cell) {
  if (crossCell_[grid] == cell) return;
  crossCell_[grid] = cell;
  emit crossChanged(grid);
}

void ConflictMarker::HideCross(int grid) { ShowConflictCross(grid, 0); }

bool ConflictMarker::eraseTimerRunning(int grid) const { return eraseTimers_[grid]->isActive(); }

bool ConflictMarker::anyEraseTimerRunning() const {
  for (const QTimer* timer : eraseTimers_)
    if (timer->isActive()) return true;
  return false;
}

void ConflictMarker::EraseNow() {
  for (int grid = 0; grid < kGridCount; ++grid)
    if (eraseTimerRunning(grid)) EraseTick(grid);
}

bool ConflictMarker::GridInLayout(int grid) const {
  const int order = board_.comboOrder();
  if (grid == 0) return order == 0;
  if (grid <= 2) return order >= 2;
  if (grid == 3) return order >= 3;
  return false;  // no layout shows grid 4
}

// Withdraws an entry, never a given or a solver digit.
void ConflictMarker::Withdraw(int grid, int cell) {
  if (!cells::IsCell(cell) || board_.isFixed(grid, cell)) return;
  board_.setDigit(grid, cell, 0);
  // Both grids of a corner drew the cross.
  if (const auto partner = board_.partner({grid, cell})) HideCross(partner->grid);
}

void ConflictMarker::EraseTick(int grid) {
  eraseTimers_[grid]->stop();
  if (GridInLayout(grid)) board_.setGridEditable(grid, true);
  HideCross(grid);

  const std::vector<int> pending = std::exchange(pendingErase_[grid], {});
  for (int cell : pending) Withdraw(grid, cell);

  for (int n = 1; n <= kCellsPerGrid; ++n) board_.setClash(grid, n, false);

  if (grid == 0) hint_.RefreshHints();
  MarkStandingClashes();
}

void ConflictMarker::ClearStandingClashes() {
  if (anyEraseTimerRunning()) return;
  for (int grid = 0; grid < kGridCount; ++grid)
    for (int n = 1; n <= kCellsPerGrid; ++n) board_.setClash(grid, n, false);
}

void ConflictMarker::MarkStandingClashes() {
  if (!board_.inSolveMode() || anyEraseTimerRunning()) return;
  // A corner clashes under both of its names when one of its grids says so.
  std::set<std::pair<int, int>> clashing;
  for (int grid : GridsInPlay(board_.comboOrder())) {
    const GridDigits digits = board_.digitsOf(grid);
    for (int n = 1; n <= kCellsPerGrid; ++n) {
      if (ClashFree(digits, n - 1)) continue;
      clashing.insert({grid, n});
      if (const auto partner = board_.partner({grid, n})) clashing.insert({partner->grid, partner->cell});
    }
  }
  for (int grid : GridsInPlay(board_.comboOrder()))
    for (int n = 1; n <= kCellsPerGrid; ++n) board_.setClash(grid, n, clashing.contains({grid, n}));
}

}  // namespace varelo
