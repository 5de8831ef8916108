#include "solver/FastSolver.h"

#include "solver/Completions.h"

namespace varelo::fast {

std::int64_t CountSolutions64(const GridDigits& grid, std::int64_t limit) {
  if (limit <= 0) return 0;
  CandidateGrid state;
  if (!LoadGivens(grid, state)) return 0;
  return CountCompletions(state, limit);
}

int CountSolutions(const GridDigits& grid, int limit) { return static_cast<int>(CountSolutions64(grid, limit)); }

bool GivensConsistent(const GridDigits& grid) {
  // Only clashes count here; a cell left without candidates is not one.
  DigitMask rows[9] = {}, columns[9] = {}, boxes[9] = {};
  for (int p = 0; p < 81; ++p) {
    const int d = grid[p];
    if (d == 0) continue;
    if (d > 9) return false;
    const DigitMask bit = DigitBit(d);
    DigitMask& row = rows[p / 9];
    DigitMask& column = columns[p % 9];
    DigitMask& box = boxes[p / 27 * 3 + p % 9 / 3];
    if ((row | column | box) & bit) return false;
    row |= bit;
    column |= bit;
    box |= bit;
  }
  return true;
}

}  // namespace varelo::fast
