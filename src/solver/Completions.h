#pragma once
// Depth-first search over a candidate grid: settle, branch on the cell with
// the fewest candidates, recurse on a copy; a plain count hands the last few
// open cells to CountTail, which counts them digit by digit or hands them
// back. It finds and counts completions; the order in which it meets them is
// its own, not the game's.

#include <cstdint>

#include "core/GridDigits.h"
#include "solver/CandidateGrid.h"

namespace varelo::fast {

// A completion of `grid`, or false.
bool FindCompletion(CandidateGrid grid, GridDigits& out);

// The number of completions, counted up to `limit`. With `smallest` set and a
// completion found, it receives the smallest in search order (row-major,
// digits rising) of those the count met.
std::int64_t CountCompletions(const CandidateGrid& grid, std::int64_t limit, GridDigits* smallest = nullptr);

}  // namespace varelo::fast
