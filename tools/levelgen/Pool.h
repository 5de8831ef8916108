#pragma once
// The pool the bank is chosen from: several times more unique puzzles than
// the bank needs, each graded, so the choice per givens count can shape a
// smooth difficulty ramp.

#include <cstdint>
#include <string>
#include <vector>

#include "GridMaker.h"
#include "LowClueSearch.h"
#include "grading/PuzzleGrader.h"

namespace levelgen {

struct PoolPuzzle {
  std::string text;  // the puzzle string
  int givens = 0;
  varelo::grading::Grade grade;
};

struct PoolOptions {
  std::int64_t seed = 0;
  int minimalTasks = 0;  // each makes one random minimal puzzle
  int derivedEvery = 0;  // every n-th task also adds givens up to 26..29
  int climbTasks = 0;    // each climbs down towards 19 givens
  ClimbBudget climb;
  int threads = 1;
};

// Distinct puzzles with exactly one solution and 19..29 givens, in a fixed
// order (givens, grade, text).
std::vector<PoolPuzzle> BuildPool(const PoolOptions& options);

// `count` distinct random complete grids, none equal to one in `avoid`.
std::vector<std::string> CompleteGrids(std::int64_t seed, int count, const std::vector<std::string>& avoid);

std::string ToText(const GridDigits& digits);

}  // namespace levelgen
