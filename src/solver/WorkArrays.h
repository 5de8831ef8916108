#pragma once
// The board side of the search: which grid a search reads, loading the work
// arrays from it, writing a found solution back, and reloading an earlier
// combination grid when the search falls back to it.

#include "core/GridDigits.h"
#include "solver/SearchState.h"

namespace varelo {

class Board;

// The grid the search works on: grid 0 for a single grid, else WorkGrid.
int SourceGrid(int comboOrder, int workGrid);
// The last grid of the order: 0, 2 or 3.
int LastSolveGrid(int comboOrder);

// Every digit of the grid becomes a fixed work digit, whoever wrote it; the
// other positions are free and empty. WorkCell goes to 0.
void LoadWorkArrays(const Board& board, int grid, SearchState& state);

// Puts a carried corner digit at `position` and keeps it fixed when it obeys
// the rule against the loaded digits. False (position emptied) when it clashes.
bool PlaceCarriedCorner(SearchState& state, int position, int digit);

// Writes the work digits into the empty cells of the grid as the solver's
// entries: kind Solver, blue ink.
void ShowSolution(Board& board, int grid, const SearchState& state);

// Empties the cells the solver wrote into the grid (kind Solver): the
// next-solution command does it to the last grid before it resumes.
void ClearSolverDigits(Board& board, int grid);

// Falls back to an earlier grid of a combination: WorkGrid := grid; its
// digits reload into the work arrays, the solver's own entries as free
// positions (and cleared on the board), the player's as fixed. The corner
// carried into grid 2 stays fixed: freeing it would let the search change a
// digit grid 1 has already settled.
void FallBackTo(Board& board, int grid, SearchState& state);

// Whether `digit` at grid 3's cell 73 obeys the rule against grid 3's other
// digits; grid 3 itself is left as it is.
bool CheckCornerAgainstGrid3(const GridDigits& grid3, int digit);
bool CheckCornerAgainstGrid3(const Board& board, int digit);

}  // namespace varelo
