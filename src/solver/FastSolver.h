#pragma once
// A fast exact solver on bit masks: constraint propagation (the most
// constrained cell first) with backtracking. It answers "how many
// completions" and "is there one" in well under a millisecond for any 9x9
// grid, and is the oracle behind the search-order results of the game.

#include <cstdint>

#include "core/GridDigits.h"

namespace varelo::fast {

// The number of completions of `grid`, counted up to `limit` (the count stops
// there). Givens that already clash give 0.
int CountSolutions(const GridDigits& grid, int limit);
std::int64_t CountSolutions64(const GridDigits& grid, std::int64_t limit);

// Whether `grid` has at least one completion.
inline bool HasSolution(const GridDigits& grid) { return CountSolutions(grid, 1) > 0; }

// Whether the givens of `grid` obey the rule among themselves.
bool GivensConsistent(const GridDigits& grid);

}  // namespace varelo::fast
