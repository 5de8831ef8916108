#pragma once
// Runs a typed puzzle through a solver the way the solve button does ("求解",
// then "求下一种解" until the search runs out) and records everything a
// player could see at each solution, so two solvers can be compared.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Board.h"
#include "core/GridDigits.h"
#include "solver/LiteralSearch.h"

namespace varelo::testing {

struct TypedPuzzle {
  int order = 0;                      // ComboOrder
  std::array<GridDigits, 3> grids{};  // order 0: grids[0]; else grids[k - 1] is grid k

  std::string Describe() const;
};

// Solve mode with the puzzle typed by the player (Pen entries, black ink);
// a typed shared corner is in both of its records, as typing puts it.
void TypePuzzle(Board& board, const TypedPuzzle& puzzle);

// The controller's part of "求下一种解": the last grid loses the solver digits.
void EmptyLastGrid(Board& board);

struct SolvePoint {
  std::vector<CellState> cells;  // grids 0..3
  GridDigits work{};
  std::array<bool, 81> fixed{};
  int workGrid = 0;
  bool operator==(const SolvePoint&) const = default;
};

struct SolveTrace {
  std::vector<SolvePoint> solutions;
  std::string ending;  // "no solution", "exhausted", "out of steps", "too many"
  int count = 0;       // SolutionCount at the end
  int fallBacks = 0;   // reference only: paths the puzzle took
  int cornerRejections = 0;
};

SolveTrace TraceReference(const TypedPuzzle& puzzle, int maxSolutions, std::int64_t stepBudget,
                          reference::Mends mends = {});
SolveTrace TraceFast(const TypedPuzzle& puzzle, int maxSolutions);

}  // namespace varelo::testing
