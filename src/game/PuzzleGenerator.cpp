#include "game/PuzzleGenerator.h"

#include <algorithm>
#include <cmath>

#include "core/CellMath.h"
#include "core/RandomSource.h"

namespace varelo {

namespace {
// A run of draws that reveals nothing means the level's cell sequence has
// fallen into a short cycle; the set-up then takes the next empty cell.
constexpr int kStuckDraws = 200;
constexpr int kCompleteLevels = 50;  // the bank's levels that are complete grids

// Cells a combination grid never reveals: the shared corners start empty.
bool NeverRevealed(int grid, int cell) {
  switch (grid) {
    case 1: return cell == 81;
    case 2: return cell == 1 || cell == 9;
    case 3: return cell == 73;
    default: return false;
  }
}

std::vector<int> StoredCells(const GridDigits& puzzle) {
  std::vector<int> cells;
  for (int n = 1; n <= kCellsPerGrid; ++n)
    if (puzzle[n - 1] != 0) cells.push_back(n);
  return cells;
}

// Levels 1..50 take their cells from the sequence seeded by the generator's
// first value after re-seeding with -N, so a level shows the same givens at
// every start on every machine.
GridPuzzle MissionGrid(int level, const GridDigits& digits, RandomSource& random) {
  if (level > kCompleteLevels) return GridPuzzle{0, digits, StoredCells(digits)};
  random.Reseed(-level);
  return GridPuzzle{0, digits, MissionCells(random.NextSingle(), MissionGivens(level), {})};
}

// A test file that gives fewer cells than the givens wanted is shown as it
// is; otherwise the givens are drawn from its cells.
GridPuzzle RandomGrid(const FilledGrid& filled, int givens, RandomSource& random) {
  GridPuzzle grid{0, filled.digits, {}};
  int flagged = 0;
  for (bool f : filled.fromSource) flagged += f;
  if (filled.fromTestFile && flagged < givens) {
    for (int n = 1; n <= kCellsPerGrid; ++n)
      if (filled.fromSource[n - 1]) grid.givenCells.push_back(n);
    return grid;
  }
  std::array<bool, 81> allowed;
  allowed.fill(true);
  if (filled.fromTestFile) allowed = filled.fromSource;
  grid.givenCells = RandomCells(random, givens, allowed);
  return grid;
}

}  // namespace

Puzzle Generate(const PuzzleRequest& request, RandomSource& random, const GridFill& fill) {
  Puzzle puzzle;
  FillRequest ask;
  ask.comboOrder = request.order;
  ask.randomMode = request.randomMode;
  if (request.level) {
    puzzle.grids.push_back(MissionGrid(*request.level, request.levelDigits, random));
  } else if (request.order == 0) {
    puzzle.grids.push_back(RandomGrid(fill(ask), request.givens, random));
  } else {
    // Grid by grid, each carrying the corner digits of the one before.
    for (int grid = 1; grid <= request.order; ++grid) {
      ask.workGrid = grid;
      ask.sharedDigit12 = puzzle.sharedDigit12;
      ask.sharedDigit23 = puzzle.sharedDigit23;
      const GridDigits solution = fill(ask).digits;
      if (grid == 1) puzzle.sharedDigit12 = solution[80];
      if (grid == 2) puzzle.sharedDigit23 = solution[8];
      puzzle.grids.push_back(GridPuzzle{grid, solution, CombinationCells(random, grid, request.givens)});
    }
  }
  if (request.order == 0) puzzle.sharedDigit12 = puzzle.grids.front().solution[80];
  return puzzle;
}

std::vector<int> MissionCells(float x, int givens, const std::array<bool, 81>& filled) {
  std::array<bool, 81> taken = filled;
  std::vector<int> cells;
  int misses = 0;
  while (static_cast<int>(cells.size()) < givens) {
    x = static_cast<float>(1.0 - 2.0 * static_cast<double>(x) * static_cast<double>(x));
    const float p = static_cast<float>(std::fabs(static_cast<double>(x)) * 81.0);
    int cell = static_cast<int>(std::floor(p)) + 1;  // 82 when |x| = 1
    if (cell > kCellsPerGrid || taken[cell - 1]) {
      if (++misses < kStuckDraws) continue;
      // Stuck in a cycle (or at |x| = 1): take the next free cell instead.
      const int from = std::min(cell, kCellsPerGrid);
      cell = 0;
      for (int step = 1; step <= kCellsPerGrid && cell == 0; ++step) {
        const int candidate = (from - 1 + step) % kCellsPerGrid + 1;
        if (!taken[candidate - 1]) cell = candidate;
      }
      if (cell == 0) break;  // the grid is full
    }
    taken[cell - 1] = true;
    cells.push_back(cell);
    misses = 0;
  }
  return cells;
}

std::vector<int> RandomCells(RandomSource& random, int givens, const std::array<bool, 81>& allowed) {
  std::array<bool, 81> taken{};
  std::vector<int> cells;
  while (static_cast<int>(cells.size()) < givens) {
    random.ReseedFromClock();
    const int cell = static_cast<int>(random.Next() * 81) + 1;
    if (taken[cell - 1] || !allowed[cell - 1]) continue;
    taken[cell - 1] = true;
    cells.push_back(cell);
  }
  return cells;
}

std::vector<int> CombinationCells(RandomSource& random, int grid, int givens) {
  std::array<bool, 81> taken{};
  std::vector<int> cells;
  while (static_cast<int>(cells.size()) < givens) {
    const int cell = static_cast<int>(random.Next() * 81) + 1;
    if (taken[cell - 1] || NeverRevealed(grid, cell)) continue;
    taken[cell - 1] = true;
    cells.push_back(cell);
  }
  return cells;
}

}  // namespace varelo
