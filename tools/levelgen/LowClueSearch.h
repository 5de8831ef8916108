#pragma once
// Puzzles with very few givens (19 to 21) are rare among minimal puzzles, so
// the generator climbs down to them: from a minimal puzzle it swaps two givens
// for one new given (any cell, any digit that fits) and keeps the result when
// the solution is still unique, minimising again after each success. Lateral
// swaps of one given for another let the walk leave a dead end.

#include <functional>

#include "GridMaker.h"

namespace levelgen {

struct ClimbBudget {
  int attempts = 0;      // swaps tried in total
  int lateralEvery = 0;  // after this many failures in a row, take a lateral step
};

// Walks down from `start` (a puzzle with exactly one solution) until a puzzle
// with at most `targetGivens` givens is reached or the budget is spent, and
// calls `visit` with every minimal puzzle the walk stands on, `start` aside.
void ClimbDown(const GridDigits& start, int targetGivens, const ClimbBudget& budget, RandomSource& random,
               const std::function<void(const GridDigits&)>& visit);

}  // namespace levelgen
