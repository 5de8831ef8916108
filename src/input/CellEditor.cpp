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

// The copy is checked in the grid it is copied into, whichever way it goes:
// the entry's own checks see only its own grid's row, column and box, and a
// corner digit must obey both grids. A copy that clashes is crossed there and
// withdrawn, with the entry, by that grid's erase timer. The copy takes the
// entry's kind and clash too: the corner is one cell, whichever grid draws it.
bool CellEditor::CopyToPartner(int grid, int cell) {
  const auto partner = board_.partner({grid, cell});
  if (!partner || board_.isFixed(partner->grid, partner->cell)) return true;
  board_.setDigit(partner->grid, partner->cell, board_.digit(grid, cell));
  board_.setKind(partner->grid, partner->cell, board_.kind(grid, cell));
  board_.setClash(partner->grid, partner->cell, board_.clashes(grid, cell));
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
  if (*grid >= 1 && *grid <= 3) CopyToPartner(*grid, cell);

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
  // Both records of a corner are emptied together, whatever they hold.
  if (const auto partner = SharedPartner(3, {*grid, cell})) board_.clearEntry(partner->grid, partner->cell);
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
      // A copy into a corner's other record keeps that record's kind, so a
      // pencil corner may be a pen digit there: both records go together,
      // or the two grids would show different digits in the one cell.
      if (const auto partner = board_.partner({grid, n}); partner && !board_.isFixed(partner->grid, partner->cell))
        board_.clearEntry(partner->grid, partner->cell);
    }
  }
  hint_.RefreshHints();
}

}  // namespace varelo
