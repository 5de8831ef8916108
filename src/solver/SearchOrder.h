#pragma once
// The game's backtracking search visits the free positions in row-major
// order and tries the digits 1..9 in rising order, so the completions it
// reaches, one after the other, are the valid completions in lexicographic
// order over the free positions. This module jumps straight to the next one
// with the bitmask oracle instead of stepping there.

#include <array>
#include <optional>

#include "core/GridDigits.h"
#include "solver/CandidateGrid.h"

namespace varelo::fast {

// A grid as the search sees it.
struct SearchGrid {
  GridDigits digits{};                // 0 = empty
  std::array<bool, 81> fixed{};       // the search never writes a fixed position
  std::array<DigitMask, 81> allowed;  // digits a position may hold; all by default

  SearchGrid() { allowed.fill(kAllDigits); }
};

// The completion the search reaches next when its next step starts at
// position `frontier`, the free positions before it holding their current
// digits (a consistent prefix) and the digit at the first free position from
// `frontier` on about to be raised (an empty one starts at 1). With
// frontier 0 and every free position empty this is the first completion in
// search order; at the last free position of a completion it is the next one.
// Empty when the search runs out. A completion obeys the rule everywhere and
// keeps every position within its allowed digits.
std::optional<GridDigits> NextInSearchOrder(const SearchGrid& grid, int frontier);

}  // namespace varelo::fast
