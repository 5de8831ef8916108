#pragma once
// Test puzzles made independently of the solver under test: solution grids
// from a fixed pattern shuffled by the Sudoku symmetries, puzzles dug out of
// them, and the usual helpers to read and write puzzle strings.

#include <random>
#include <string>
#include <string_view>

#include "core/GridDigits.h"

namespace varelo::testing {

// 81 characters, '0' or '.' for an empty cell.
GridDigits ParseGrid(std::string_view text);
std::string FormatGrid(const GridDigits& digits);

// A valid complete grid, random under `rng`.
GridDigits RandomSolution(std::mt19937& rng);

// The grid with two digit labels swapped so that `position` holds `digit`.
GridDigits WithDigitAt(const GridDigits& solution, int position, int digit);

// `solution` with all but `givens` cells emptied at random.
GridDigits Dig(const GridDigits& solution, int givens, std::mt19937& rng);

// Whether the grid obeys the rule (empty cells ignored).
bool Consistent(const GridDigits& digits);

}  // namespace varelo::testing
