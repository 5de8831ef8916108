#pragma once
// How many solutions the solve button would show for a typed puzzle, one
// after the other, before "没有下一种解！", without showing them: for a
// combination, every completion of grid 1 paired with every completion of
// the later grids that carries its corner digit on.

#include <array>
#include <cstdint>

#include "core/GridDigits.h"

namespace varelo {

// `grids[0]` is grid 0 for order 0, else grids[k - 1] is grid k. A typed
// corner is read from the earlier grid; the later grid's record of it is
// overwritten by the carried digit, as the search does. Counts up to `limit`.
//
// A combination is counted only along chains of corner digits on which
// every grid has a completion, so a chain that cannot agree counts 0 at
// once, however many completions an empty grid of it would have.
std::int64_t CountGameSolutions(int comboOrder, const std::array<GridDigits, 3>& grids, std::int64_t limit);

// The count up to `cap` and whether there are more: any cap up to the
// largest std::int64_t, which a limit of cap + 1 could not hold.
struct CappedCount {
  std::int64_t count = 0;
  bool more = false;
};
CappedCount CountGameSolutionsUpTo(int comboOrder, const std::array<GridDigits, 3>& grids, std::int64_t cap);

}  // namespace varelo
