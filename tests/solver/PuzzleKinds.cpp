#include "solver/PuzzleKinds.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

#include "solver/FastSolver.h"
#include "solver/PuzzleFactory.h"

namespace varelo::testing {

GridDigits DigUnique(const GridDigits& solution, int minGivens, std::mt19937& rng) {
  std::array<int, 81> order{};
  std::iota(order.begin(), order.end(), 0);
  std::shuffle(order.begin(), order.end(), rng);
  GridDigits puzzle = solution;
  int givens = 81;
  for (int p : order) {
    if (givens <= minGivens) break;
    const int keep = puzzle[p];
    puzzle[p] = 0;
    if (fast::CountSolutions(puzzle, 2) == 1)
      --givens;
    else
      puzzle[p] = keep;
  }
  return puzzle;
}

GridDigits DigSeveral(std::mt19937& rng, int least, int most) {
  for (;;) {
    const GridDigits solution = RandomSolution(rng);
    const int givens = std::uniform_int_distribution(24, 44)(rng);
    const GridDigits puzzle = Dig(solution, givens, rng);
    const int count = fast::CountSolutions(puzzle, most + 1);
    if (count >= least && count <= most) return puzzle;
  }
}

GridDigits Spoil(GridDigits puzzle, std::mt19937& rng) {
  for (;;) {
    const int p = std::uniform_int_distribution(0, 80)(rng);
    const int d = std::uniform_int_distribution(1, 9)(rng);
    if (puzzle[p] != 0) continue;
    GridDigits trial = puzzle;
    trial[p] = static_cast<unsigned char>(d);
    if (Consistent(trial) && !fast::HasSolution(trial)) return trial;
  }
}

TypedPuzzle Combination(int order, std::mt19937& rng, bool dead, bool typed) {
  TypedPuzzle puzzle;
  puzzle.order = order;
  const GridDigits first = DigSeveral(rng, 1, 4);
  // Corner digits grid 1 can end with, found by trying each.
  std::vector<int> corners;
  for (int d = 1; d <= 9; ++d) {
    GridDigits trial = first;
    if (trial[80] != 0 && trial[80] != d) continue;
    trial[80] = static_cast<unsigned char>(d);
    if (fast::HasSolution(trial)) corners.push_back(d);
  }
  const int c12 = corners[std::uniform_int_distribution<size_t>(0, corners.size() - 1)(rng)];
  puzzle.grids[0] = first;

  auto later = [&](int corner, int position) {
    const GridDigits solution = WithDigitAt(RandomSolution(rng), position, corner);
    GridDigits grid = Dig(solution, std::uniform_int_distribution(30, 45)(rng), rng);
    grid[position] = 0;
    return std::pair{solution, grid};
  };
  auto [solution2, second] = later(c12, 0);
  puzzle.grids[1] = second;
  if (order == 3) {
    const int c23 = solution2[8];
    second[8] = 0;
    puzzle.grids[1] = second;
    puzzle.grids[2] = later(c23, 72).second;
  }
  if (typed) {
    puzzle.grids[0][80] = static_cast<unsigned char>(c12);
    if (order == 3) puzzle.grids[1][8] = solution2[8];
  }
  if (dead) {
    // A later grid that cannot take some corner: a digit in its corner's row.
    const int k = order == 3 ? std::uniform_int_distribution(1, 2)(rng) : 1;
    GridDigits& grid = puzzle.grids[k];
    const int corner = k == 1 ? 0 : 72;
    const int cornerDigit = k == 1 ? c12 : solution2[8];
    for (int column = 1; column < 9; ++column) {
      const int p = corner + column;
      if (grid[p] != 0) continue;
      grid[p] = static_cast<unsigned char>(cornerDigit);
      break;
    }
  }
  return puzzle;
}

}  // namespace varelo::testing
