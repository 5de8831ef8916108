#include "input/CellEditor.h"

#include "core/Board.h"
#include "core/ColourHint.h"
#include "core/RuleChecks.h"
#include "input/ConflictMarker.h"
#include "model/Cursors.h"
#include "model/GameState.h"

namespace varelo {

CellEditor::CellEditor(Board& board, Cursors& cursors, RuleChecks& checks, ConflictMarker& conflicts, ColourHint& hint,
                       GameState& state)
    : board_(board), cursors_(cursors), checks_(checks), conflicts_(conflicts), hint_(hint), state_(state) {
  checks_.setClashHook(&conflicts_);
}

std::optional<int> CellEditor::FindInputGrid() const {
  for (int grid = 0; grid < kGridCount; ++grid) {
    const CursorState& cursor = cursors_.state(grid);
    if (grid > 0 && !cursor.frameShown) continue;
    if (!cursor.atRest() || cursor.vertical != 0 || cursor.horizontal != 0) continue;
    if (board_.isFixed(grid, cursor.currentCell) || !board_.gridEditable(grid)) continue;
    return grid;
  }
  return std::nullopt;
}

bool CellEditor::CheckEntry(int grid, int cell) {
  conflicts_.setEntryUnderTest(grid, cell);
  return checks_.CheckCell(cell, MarkingMode(grid));
}

// A corner digit must obey both of its grids, and the entry's own checks see
// only its own grid's row, column and box: it is checked under its other
// name too. A clash there is crossed in that grid and withdrawn, with the
// entry, by that grid's erase timer.
bool CellEditor::CheckInPartnerGrid(int grid, int cell) {
  const auto partner = board_.partner({grid, cell});
  if (!partner) return true;
  if (CheckEntry(partner->grid, partner->cell)) return true;
  conflicts_.ShowConflictCross(partner->grid, partner->cell);
  return false;
}

void CellEditor::EnterDigit(int digit) {
  const auto grid = FindInputGrid();
  if (!grid) return;
  const int cell = cursors_.state(*grid).currentCell;

  board_.setDigit(*grid, cell, digit);
  if (*grid == 0) board_.setCandidateCache(cell, Board::kCacheDigitEntered);
  // A changed puzzle is solved afresh.
  state_.setSolvePhase(SolvePhase::Ready);
  const EntryKind tool = state_.tool();
  board_.setKind(*grid, cell, tool);
  board_.setClash(*grid, cell, false);
  CheckInPartnerGrid(*grid, cell);

  if (!CheckEntry(*grid, cell)) {
    conflicts_.ShowConflictCross(*grid, cell);
    // The corner's copy in the next grid carries the same wrong digit.
    if (const auto partner = board_.partner({*grid, cell}); partner && partner->grid > *grid)
      conflicts_.ShowConflictCross(partner->grid, partner->cell);
    return;
  }
  if (*grid == 0) hint_.RefreshHints();
  // A digit written over one of a standing clash may end it.
  conflicts_.MarkStandingClashes();
}

void CellEditor::EraseDigit() {
  const auto grid = FindInputGrid();
  if (!grid) return;
  const int cell = cursors_.state(*grid).currentCell;
  board_.clearEntry(*grid, cell);
  state_.setSolvePhase(SolvePhase::Ready);
  if (*grid == 0) hint_.RefreshHints();
  conflicts_.MarkStandingClashes();
}

EntryKind CellEditor::writingTool() const { return state_.tool(); }

void CellEditor::ToggleWritingTool() {
  state_.setTool(state_.tool() == EntryKind::Pen ? EntryKind::Pencil : EntryKind::Pen);
}

void CellEditor::SetPen() { state_.setTool(EntryKind::Pen); }

void CellEditor::ErasePencilEntries() {
  for (int n = 1; n <= kCellsPerGrid; ++n) {
    for (int grid = 0; grid < kGridCount; ++grid) {
      if (board_.kind(grid, n) != EntryKind::Pencil || !board_.gridEditable(grid)) continue;
      board_.clearEntry(grid, n);
    }
  }
  hint_.RefreshHints();
}

}  // namespace varelo
