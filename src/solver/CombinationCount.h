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
std::int64_t CountGameSolutions(int comboOrder, const std::array<GridDigits, 3>& grids, std::int64_t limit);

}  // namespace varelo
