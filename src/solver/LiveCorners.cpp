#include "solver/LiveCorners.h"

#include "core/Board.h"
#include "solver/Completions.h"
#include "solver/WorkArrays.h"

namespace varelo {

namespace {

GridDigits Givens(const Board& board, int grid, bool playerDigitsOnly) {
  GridDigits digits = board.digitsOf(grid);
  if (playerDigitsOnly) {
    for (int n = 1; n <= kCellsPerGrid; ++n)
      if (board.isFixed(grid, n)) digits[n - 1] = 0;
  }
  return digits;
}

// Grid 3 with `corner` carried into its cell 73.
bool Grid3Completes(const GridDigits& grid3, int corner) {
  if (!CheckCornerAgainstGrid3(grid3, corner)) return false;
  GridDigits digits = grid3;
  digits[72] = static_cast<unsigned char>(corner);
  fast::CandidateGrid grid;
  GridDigits completion{};
  return fast::LoadGivens(digits, grid) && fast::FindCompletion(grid, completion);
}

// Grid 2 with `corner` carried into its cell 1 and its cell 9 kept to `onward`.
bool Grid2Completes(const GridDigits& grid2, int corner, fast::DigitMask onward) {
  GridDigits digits = grid2;
  digits[0] = static_cast<unsigned char>(corner);
  fast::CandidateGrid grid;
  GridDigits completion{};
  return fast::LoadGivens(digits, grid) && grid.Restrict(8, onward) && fast::FindCompletion(grid, completion);
}

}  // namespace

LiveCorners FindLiveCorners(const Board& board, bool playerDigitsOnly) {
  LiveCorners live;
  const int order = board.comboOrder();
  if (order == 3) {
    const GridDigits grid3 = Givens(board, 3, playerDigitsOnly);
    live.grid2To3 = 0;
    for (int d = 1; d <= 9; ++d)
      if (Grid3Completes(grid3, d)) live.grid2To3 |= fast::DigitBit(d);
  }
  if (order >= 2) {
    const GridDigits grid2 = Givens(board, 2, playerDigitsOnly);
    live.grid1To2 = 0;
    for (int d = 1; d <= 9; ++d)
      if (Grid2Completes(grid2, d, live.grid2To3)) live.grid1To2 |= fast::DigitBit(d);
  }
  return live;
}

}  // namespace varelo
