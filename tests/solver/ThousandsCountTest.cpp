// The count without showing on puzzles with thousands of solutions, beyond
// the reach of the literal search: against plain backtracking, exactly and
// capped, so the oracle's propagation, its tail count and the cap are all
// held to a count that shares none of their code.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "solver/FastSolver.h"
#include "solver/PuzzleFactory.h"
#include "solver/PuzzleKinds.h"

namespace varelo::testing {
namespace {

// Cell by cell, the open cell with the fewest digits first, no other
// reasoning.
class PlainCount {
 public:
  explicit PlainCount(const GridDigits& grid) : grid_(grid) {
    for (int p = 0; p < 81; ++p)
      if (grid_[p] != 0) Mark(p, grid_[p]);
  }

  std::int64_t Count(std::int64_t limit) {
    limit_ = limit;
    found_ = 0;
    Search();
    return found_;
  }

 private:
  int Unit(int p, int kind) const { return kind == 0 ? p / 9 : kind == 1 ? 9 + p % 9 : 18 + p / 27 * 3 + p % 9 / 3; }
  unsigned Free(int p) const { return 0x3FEu & ~(used_[Unit(p, 0)] | used_[Unit(p, 1)] | used_[Unit(p, 2)]); }
  void Mark(int p, int digit) {
    for (int kind = 0; kind < 3; ++kind) used_[Unit(p, kind)] ^= 1u << digit;
  }

  void Search() {
    int best = -1, fewest = 10;
    for (int p = 0; p < 81; ++p) {
      if (grid_[p] != 0) continue;
      const int n = std::popcount(Free(p));
      if (n < fewest) {
        fewest = n;
        best = p;
      }
    }
    if (best < 0) {
      ++found_;
      return;
    }
    for (unsigned free = Free(best); free != 0 && found_ < limit_; free &= free - 1) {
      const int digit = std::countr_zero(free);
      grid_[best] = static_cast<unsigned char>(digit);
      Mark(best, digit);
      Search();
      Mark(best, digit);
      grid_[best] = 0;
    }
  }

  GridDigits grid_;
  unsigned used_[27] = {};
  std::int64_t found_ = 0, limit_ = 0;
};

constexpr std::int64_t kAll = 20'000;  // counted exactly below this

// Exactly, capped as `count --max 1000` asks, and at a cap inside the count;
// returns the plain count.
std::int64_t ExpectPlainCounts(const GridDigits& puzzle) {
  const std::int64_t plain = PlainCount(puzzle).Count(kAll);
  const std::string where = FormatGrid(puzzle);
  EXPECT_EQ(fast::CountSolutions64(puzzle, kAll), plain) << where;
  EXPECT_EQ(fast::CountSolutions64(puzzle, 1001), std::min<std::int64_t>(plain, 1001)) << where;
  const std::int64_t inside = plain / 2 + 1;
  EXPECT_EQ(fast::CountSolutions64(puzzle, inside), std::min(plain, inside)) << where;
  return plain;
}

TEST(ThousandsCount, MinimalPuzzlesWithGivensTakenAwayCountAsPlainBacktrackingDoes) {
  std::mt19937 rng(909);
  int overCap = 0;
  for (int i = 0; i < 24; ++i) {
    GridDigits puzzle = DigUnique(RandomSolution(rng), 17, rng);
    std::vector<int> givens;
    for (int p = 0; p < 81; ++p)
      if (puzzle[p] != 0) givens.push_back(p);
    std::shuffle(givens.begin(), givens.end(), rng);
    for (int k = 0; k < 2 + i % 2; ++k) puzzle[givens[k]] = 0;
    overCap += ExpectPlainCounts(puzzle) > 1001;
  }
  EXPECT_GE(overCap, 8) << "too few puzzles with thousands of solutions";
}

// A solution with three to five digits taken out everywhere: no cell or
// digit is settled, the count's tail starts at once or after a branch or
// two, and a digit may have more ways to be placed than the tail takes on.
TEST(ThousandsCount, SolutionsWithWholeDigitsTakenOutCountAsPlainBacktrackingDoes) {
  std::mt19937 rng(5);
  int overCap = 0;
  for (int i = 0; i < 9; ++i) {
    GridDigits puzzle = RandomSolution(rng);
    for (unsigned char& digit : puzzle)
      if (digit <= 3 + i % 3) digit = 0;
    overCap += ExpectPlainCounts(puzzle) > 1001;
  }
  EXPECT_GE(overCap, 3) << "too few grids with thousands of solutions";
}

}  // namespace
}  // namespace varelo::testing
