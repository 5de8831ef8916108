#include "LowClueSearch.h"

#include <bit>
#include <cstdint>
#include <optional>

#include "solver/FastSolver.h"

namespace levelgen {

namespace {

constexpr int BoxOf(int p) { return p / 27 * 3 + p % 9 / 3; }

// The digits that fit cell p beside the givens of `puzzle`, as a 9-bit mask.
std::uint16_t Fitting(const GridDigits& puzzle, int p) {
  std::uint16_t used = 0;
  for (int q = 0; q < 81; ++q) {
    if (puzzle[q] == 0 || q == p) continue;
    if (q / 9 == p / 9 || q % 9 == p % 9 || BoxOf(q) == BoxOf(p))
      used |= static_cast<std::uint16_t>(1u << (puzzle[q] - 1));
  }
  return static_cast<std::uint16_t>(0x1FF & ~used);
}

int RandomPosition(const GridDigits& puzzle, bool given, RandomSource& random) {
  for (;;) {
    const int p = random.NextBelow(81);
    if ((puzzle[p] != 0) == given) return p;
  }
}

int RandomDigitOf(std::uint16_t mask, RandomSource& random) {
  int pick = random.NextBelow(std::popcount(mask));
  for (; pick > 0; --pick) mask &= mask - 1;
  return std::countr_zero(mask) + 1;
}

// `puzzle` with the givens at `removed` taken away and one random fitting
// given added elsewhere; nothing when the chosen cell fits no digit.
std::optional<GridDigits> Swap(GridDigits puzzle, const int* removed, int removedCount, RandomSource& random) {
  for (int i = 0; i < removedCount; ++i) puzzle[removed[i]] = 0;
  int target;
  do {
    target = RandomPosition(puzzle, false, random);
  } while ([&] {
    for (int i = 0; i < removedCount; ++i)
      if (removed[i] == target) return true;
    return false;
  }());
  const std::uint16_t fitting = Fitting(puzzle, target);
  if (fitting == 0) return std::nullopt;
  puzzle[target] = static_cast<unsigned char>(RandomDigitOf(fitting, random));
  return puzzle;
}

}  // namespace

void ClimbDown(const GridDigits& start, int targetGivens, const ClimbBudget& budget, RandomSource& random,
               const std::function<void(const GridDigits&)>& visit) {
  GridDigits current = start;
  int failures = 0;
  for (int attempt = 0; attempt < budget.attempts && GivensOf(current) > targetGivens; ++attempt) {
    const bool lateral = budget.lateralEvery > 0 && failures >= budget.lateralEvery;
    int removed[2];
    removed[0] = RandomPosition(current, true, random);
    do {
      removed[1] = RandomPosition(current, true, random);
    } while (removed[1] == removed[0]);
    const auto next = Swap(current, removed, lateral ? 1 : 2, random);
    if (!next || !HasUniqueSolution(*next)) {
      ++failures;
      continue;
    }
    current = Minimise(*next, random);
    failures = 0;
    visit(current);
  }
}

}  // namespace levelgen
