#pragma once
// Chooses the bank's puzzles from the pool and orders them. The givens count
// of every puzzle is fixed by the distribution; within each count the choice
// follows a target share per technique class, and inside one class it is
// spread evenly over the scores, so the sorted bank climbs smoothly instead
// of piling up where the pool is thickest.

#include <array>
#include <map>
#include <string>
#include <vector>

#include "Pool.h"

namespace levelgen {

// Relative weight of each technique class (index 1..10) in the bank.
using ClassWeights = std::array<int, varelo::grading::kTechniqueCount + 1>;

// How many puzzles of each class were taken per givens count.
using ChoiceTable = std::map<int, std::array<int, varelo::grading::kTechniqueCount + 1>>;

struct Choice {
  std::vector<PoolPuzzle> puzzles;  // in rising grade
  ChoiceTable table;
  bool complete = false;  // false when the pool ran short
};

// `needed` maps a givens count to the number of puzzles wanted with it.
// Puzzles whose text is in `exclude` are not chosen.
Choice ChooseRamp(const std::vector<PoolPuzzle>& pool, const std::map<int, int>& needed, const ClassWeights& weights,
                  const std::vector<std::string>& exclude);

}  // namespace levelgen
