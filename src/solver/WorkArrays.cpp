#include "solver/WorkArrays.h"

#include "core/Board.h"
#include "core/Colour.h"
#include "core/RuleChecks.h"

namespace varelo {

namespace {
constexpr int kCorner3Position = 72;  // grid 3's cell 73
}

int SourceGrid(int comboOrder, int workGrid) { return comboOrder == 0 ? 0 : workGrid; }

int LastSolveGrid(int comboOrder) { return comboOrder == 0 ? 0 : comboOrder; }

void LoadWorkArrays(const Board& board, int grid, SearchState& state) {
  state.WorkCell = 0;
  for (int n = 1; n <= kCellsPerGrid; ++n) {
    const int d = board.digit(grid, n);
    state.SolutionDigits[n - 1] = static_cast<unsigned char>(d);
    state.DigitFromSource[n - 1] = d != 0;
  }
}

bool PlaceCarriedCorner(SearchState& state, int position, int digit) {
  state.SolutionDigits[position] = static_cast<unsigned char>(digit);
  if (ClashFree(state.SolutionDigits, position)) {
    state.DigitFromSource[position] = true;
    return true;
  }
  state.SolutionDigits[position] = 0;
  return false;
}

void ShowSolution(Board& board, int grid, const SearchState& state) {
  for (int n = 1; n <= kCellsPerGrid; ++n) {
    if (board.digit(grid, n) != 0) continue;
    CellState cell = board.cell(grid, n);
    cell.digit = state.SolutionDigits[n - 1];
    cell.kind = EntryKind::Solver;
    cell.clash = false;
    board.setCell(grid, n, cell);
  }
}

namespace {
// The corner a grid shares with the grid before it holds that grid's
// solution digit: clearing this grid's digits leaves it.
void ClearSolverDigit(Board& board, int grid, int n) {
  if (board.isFixed(grid, n) && !IsEarlierGridsCorner(board.comboOrder(), {grid, n})) board.clearEntry(grid, n);
}
}  // namespace

void ClearSolverDigits(Board& board, int grid) {
  for (int n = 1; n <= kCellsPerGrid; ++n) ClearSolverDigit(board, grid, n);
}

void FallBackTo(Board& board, int grid, SearchState& state) {
  state.WorkGrid = grid;
  for (int n = 1; n <= kCellsPerGrid; ++n) {
    state.SolutionDigits[n - 1] = static_cast<unsigned char>(board.digit(grid, n));
    const bool solverDigit = board.isFixed(grid, n);
    state.DigitFromSource[n - 1] = !solverDigit;
    ClearSolverDigit(board, grid, n);
  }
  if (grid == 2 && board.comboOrder() >= 2) {
    // The work arrays keep the corner grid 1 settled, as the board does.
    state.SolutionDigits[0] = static_cast<unsigned char>(state.SharedDigit12);
    state.DigitFromSource[0] = true;
  }
}

bool CheckCornerAgainstGrid3(const GridDigits& grid3, int digit) {
  GridDigits scratch = grid3;
  scratch[kCorner3Position] = static_cast<unsigned char>(digit);
  return ClashFree(scratch, kCorner3Position);
}

bool CheckCornerAgainstGrid3(const Board& board, int digit) {
  return CheckCornerAgainstGrid3(board.digitsOf(3), digit);
}

}  // namespace varelo
