#include "solver/FastSolver.h"

#include <bit>
#include <cstdint>

#include "core/CellMath.h"

namespace varelo::fast {

namespace {

constexpr std::uint16_t kAll = 0x1FF;  // bit d-1 set = digit d possible

constexpr int BoxOf(int p) { return p / 27 * 3 + p % 9 / 3; }

struct State {
  std::uint16_t rows[9] = {};
  std::uint16_t columns[9] = {};
  std::uint16_t boxes[9] = {};
  GridDigits digits{};

  std::uint16_t Free(int p) const {
    return static_cast<std::uint16_t>(kAll & ~(rows[p / 9] | columns[p % 9] | boxes[BoxOf(p)]));
  }
  void Place(int p, int d) {
    const std::uint16_t bit = static_cast<std::uint16_t>(1u << (d - 1));
    rows[p / 9] |= bit;
    columns[p % 9] |= bit;
    boxes[BoxOf(p)] |= bit;
    digits[p] = static_cast<unsigned char>(d);
  }
  void Remove(int p, int d) {
    const std::uint16_t mask = static_cast<std::uint16_t>(~(1u << (d - 1)));
    rows[p / 9] &= mask;
    columns[p % 9] &= mask;
    boxes[BoxOf(p)] &= mask;
    digits[p] = 0;
  }
};

// Loads the givens; false when two of them clash or a digit is out of range.
bool Load(const GridDigits& grid, State& state) {
  for (int p = 0; p < 81; ++p) {
    const int d = grid[p];
    if (d == 0) continue;
    if (d > 9 || !(state.Free(p) & (1u << (d - 1)))) return false;
    state.Place(p, d);
  }
  return true;
}

void Count(State& state, int limit, int& found) {
  // The empty cell with the fewest candidates; a dead cell ends this branch.
  int best = -1;
  int bestCount = 10;
  for (int p = 0; p < 81; ++p) {
    if (state.digits[p] != 0) continue;
    const int n = std::popcount(state.Free(p));
    if (n < bestCount) {
      best = p;
      bestCount = n;
      if (n <= 1) break;
    }
  }
  if (best < 0) {
    ++found;
    return;
  }
  for (std::uint16_t free = state.Free(best); free != 0 && found < limit; free &= free - 1) {
    const int d = std::countr_zero(free) + 1;
    state.Place(best, d);
    Count(state, limit, found);
    state.Remove(best, d);
  }
}

}  // namespace

int CountSolutions(const GridDigits& grid, int limit) {
  if (limit <= 0) return 0;
  State state;
  if (!Load(grid, state)) return 0;
  int found = 0;
  Count(state, limit, found);
  return found;
}

bool GivensConsistent(const GridDigits& grid) {
  State state;
  return Load(grid, state);
}

}  // namespace varelo::fast
