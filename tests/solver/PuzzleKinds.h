#pragma once
// Kinds of test puzzles, classified with the fast counter (which only sorts
// the inputs; the expected results always come from the reference).

#include <random>

#include "core/GridDigits.h"
#include "solver/SolveTrace.h"

namespace varelo::testing {

// Empties cells one by one while the puzzle keeps a single solution.
GridDigits DigUnique(const GridDigits& solution, int minGivens, std::mt19937& rng);
// A puzzle with between `least` and `most` solutions.
GridDigits DigSeveral(std::mt19937& rng, int least, int most);
// The puzzle with one more digit that clashes with nothing yet leaves no
// solution.
GridDigits Spoil(GridDigits puzzle, std::mt19937& rng);

// A chain of grids whose solutions share the corner digits. `dead` puts the
// corner digit into the corner's row in one later grid, so that corner fails
// and the search has to fall back; `typed` types the corners in.
TypedPuzzle Combination(int order, std::mt19937& rng, bool dead, bool typed);

}  // namespace varelo::testing
