#pragma once
// Known valid grids for tests.

#include "core/GridDigits.h"

namespace varelo::testing {

inline constexpr char kSolution[] = "172396854596874231384521769243619587759482613861753942437265198618937425925148376";

// kSolution with two digits swapped everywhere so that `position` holds
// `digit` (0 leaves it as it is): still a valid grid, chained as the game
// chains a combination's corners.
inline GridDigits RelabelledGrid(int position, int digit) {
  GridDigits grid{};
  for (int p = 0; p < 81; ++p) grid[p] = static_cast<unsigned char>(kSolution[p] - '0');
  if (digit == 0) return grid;
  const int old = grid[position];
  for (auto& d : grid) d = d == old ? digit : d == digit ? old : d;
  return grid;
}

}  // namespace varelo::testing
