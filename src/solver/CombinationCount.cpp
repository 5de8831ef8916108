#include "solver/CombinationCount.h"

#include <algorithm>

#include "solver/FastSolver.h"

namespace varelo {

namespace {

constexpr int kLast = 80;      // grid 1's cell 81
constexpr int kCorner12 = 0;   // grid 2's cell 1
constexpr int kCorner23 = 8;   // grid 2's cell 9
constexpr int kCorner32 = 72;  // grid 3's cell 73

std::int64_t Times(std::int64_t a, std::int64_t b, std::int64_t limit) {
  if (a == 0 || b == 0) return 0;
  return a > limit / b ? limit : std::min(a * b, limit);
}

std::int64_t Plus(std::int64_t a, std::int64_t b, std::int64_t limit) { return a > limit - b ? limit : a + b; }

// Completions of `grid` with `digit` at `position`: a typed digit there must
// be the same (`keepTyped`), or is replaced by it.
std::int64_t CountWith(GridDigits grid, int position, int digit, bool keepTyped, std::int64_t limit) {
  if (keepTyped && grid[position] != 0 && grid[position] != digit) return 0;
  grid[position] = static_cast<unsigned char>(digit);
  return fast::CountSolutions64(grid, limit);
}

// Grid 2 and, in order 3, grid 3 with `corner` carried into grid 2.
std::int64_t CountFromGrid2(int order, const std::array<GridDigits, 3>& grids, int corner, std::int64_t limit) {
  if (order == 2) return CountWith(grids[1], kCorner12, corner, false, limit);
  GridDigits second = grids[1];
  second[kCorner12] = static_cast<unsigned char>(corner);
  std::int64_t total = 0;
  for (int onward = 1; onward <= 9 && total < limit; ++onward) {
    const std::int64_t third = CountWith(grids[2], kCorner32, onward, false, limit);
    if (third == 0) continue;
    const std::int64_t seconds = CountWith(second, kCorner23, onward, true, limit);
    total = Plus(total, Times(seconds, third, limit), limit);
  }
  return total;
}

}  // namespace

std::int64_t CountGameSolutions(int comboOrder, const std::array<GridDigits, 3>& grids, std::int64_t limit) {
  if (limit <= 0) return 0;
  if (comboOrder == 0) return fast::CountSolutions64(grids[0], limit);
  for (int k = 0; k < comboOrder; ++k)
    if (!fast::GivensConsistent(grids[k])) return 0;  // clashing givens: no solution
  std::int64_t total = 0;
  for (int corner = 1; corner <= 9 && total < limit; ++corner) {
    const std::int64_t later = CountFromGrid2(comboOrder, grids, corner, limit);
    if (later == 0) continue;
    const std::int64_t firsts = CountWith(grids[0], kLast, corner, true, limit);
    total = Plus(total, Times(firsts, later, limit), limit);
  }
  return total;
}

}  // namespace varelo
