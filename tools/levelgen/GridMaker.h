#pragma once
// Random grids and puzzles for the level generator. Every function draws only
// from the generator it is given, so a fixed seed gives the same result on
// every machine.

#include <string_view>

#include "core/GridDigits.h"
#include "core/RandomSource.h"

namespace levelgen {

using varelo::GridDigits;
using varelo::RandomSource;

// A uniformly shuffled order of the 81 positions.
std::array<int, 81> ShuffledPositions(RandomSource& random);

// A random complete valid grid.
GridDigits RandomSolution(RandomSource& random);

// Removes givens in random order while the solution stays unique; the result
// is minimal (no given can go). `puzzle` must have exactly one solution.
GridDigits Minimise(GridDigits puzzle, RandomSource& random);

// Adds random givens from `solution` until `puzzle` has `givens` of them.
GridDigits AddGivens(GridDigits puzzle, const GridDigits& solution, int givens, RandomSource& random);

int GivensOf(const GridDigits& puzzle);
// A puzzle string ("0" = empty) as digits; the caller checks the characters.
GridDigits FromText(std::string_view text);
bool HasUniqueSolution(const GridDigits& puzzle);

}  // namespace levelgen
