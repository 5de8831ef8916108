#pragma once
// A new puzzle as a value: which cells of which solution are given. Four
// kinds: random mode, the combination orders 2 and 3 (one random solution
// per grid, chained through the shared corners), mission levels 1..50 (a
// complete grid from the bank with a reproducible choice of givens) and
// mission levels 51..1999 (a stored puzzle placed unchanged). Nothing here
// reads a setting or touches a board; the game and varelo-cli both call it.

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "core/GridDigits.h"

namespace varelo {

class RandomSource;

// One grid of the random generator's output.
struct FilledGrid {
  GridDigits digits{};
  std::array<bool, 81> fromSource{};  // the cells a test file gives
  bool fromTestFile = false;
};

// What the random generator is asked for: the grid of the chain and the
// corner digits it must carry.
struct FillRequest {
  int workGrid = 1;
  int comboOrder = 0;
  int sharedDigit12 = 0;
  int sharedDigit23 = 0;
  bool randomMode = false;  // a single-grid random game may read the test file
};

using GridFill = std::function<FilledGrid(const FillRequest&)>;

struct PuzzleRequest {
  int order = 0;  // the board's: 0 for a single grid
  bool randomMode = false;
  // A mission level, with the bank's digits for it: a complete grid for
  // levels 1..50, the stored puzzle (0 = empty) beyond.
  std::optional<int> level;
  GridDigits levelDigits{};
  int givens = 35;  // of a random or combination grid
};

struct GridPuzzle {
  int grid = 0;  // on the board
  GridDigits solution{};
  std::vector<int> givenCells;  // 1..81, in the order they were drawn
};

struct Puzzle {
  std::vector<GridPuzzle> grids;  // grid 0, or grids 1..order
  int sharedDigit12 = 0;          // grid 1's cell 81
  int sharedDigit23 = 0;          // grid 2's cell 9, in order 3
};

// `fill` makes each random solution; `random` draws the cells.
Puzzle Generate(const PuzzleRequest& request, RandomSource& random, const GridFill& fill);

// The number of givens of mission level 1..50.
constexpr int MissionGivens(int level) { return 40 - (level - 1) / 3; }
// The cells a mission level reveals, in order, from the first value x of
// its seed: the sequence x -> 1 - 2x^2 picks cell floor(|x| * 81) + 1,
// skipping cells already taken. Where the sequence falls into a cycle or
// reaches |x| = 1 it takes the next free cell, so the count is always
// reached and the choice stays reproducible.
std::vector<int> MissionCells(float x, int givens, const std::array<bool, 81>& filled);
// The cells a random game reveals, in order: each drawn after re-seeding
// from the clock, skipping cells taken or not `allowed`.
std::vector<int> RandomCells(RandomSource& random, int givens, const std::array<bool, 81>& allowed);
// The cells combination grid `grid` reveals, in order; never a shared corner.
std::vector<int> CombinationCells(RandomSource& random, int grid, int givens);

}  // namespace varelo
