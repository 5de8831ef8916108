#include "solver/SearchOrder.h"

#include <bit>
#include <vector>

namespace varelo::fast {

namespace {

constexpr int LowestDigit(DigitMask mask) { return std::countr_zero(mask) + 1; }

// The smallest completion of `grid` in search order. Each position, in order,
// takes the smallest digit that still leaves a completion; a known completion
// (the witness) bounds the digits worth trying, so most positions cost
// nothing.
bool SmallestCompletion(CandidateGrid grid, GridDigits& out) {
  GridDigits witness{};
  if (!FindCompletion(grid, witness)) return false;
  for (int p = 0; p < 81; ++p) {
    if (grid.digit(p) != 0) continue;
    bool placed = false;
    const DigitMask smaller = grid.candidates(p) & (DigitBit(witness[p]) - 1);
    for (DigitMask c = smaller; c != 0 && !placed; c &= c - 1) {
      const int d = LowestDigit(c);
      CandidateGrid trial = grid;
      GridDigits other{};
      if (trial.Place(p, d) && FindCompletion(trial, other)) {
        grid = trial;
        witness = other;
        placed = true;
      } else {
        grid.Restrict(p, static_cast<DigitMask>(~DigitBit(d)));
      }
    }
    // The witness completes the grid, so neither step can fail.
    if (!placed) grid.Place(p, witness[p]);
    grid.Settle();
  }
  out = grid.digits();
  return true;
}

// The grid with its fixed digits placed and its limits applied; false when
// it has no completion at all.
bool BuildBase(const SearchGrid& grid, CandidateGrid& base) {
  for (int p = 0; p < 81; ++p) {
    if (grid.fixed[p] && grid.digits[p] != 0 && !base.Place(p, grid.digits[p])) return false;
  }
  for (int p = 0; p < 81; ++p) {
    if (grid.allowed[p] != kAllDigits && !base.Restrict(p, grid.allowed[p])) return false;
  }
  return base.Settle();
}

// Whether the digits as they stand are a completion within the limits.
bool IsCompletion(const SearchGrid& grid) {
  CandidateGrid check;
  for (int p = 0; p < 81; ++p) {
    const int d = grid.digits[p];
    if (d == 0 || !(grid.allowed[p] & DigitBit(d)) || !check.Place(p, d)) return false;
  }
  return true;
}

}  // namespace

std::optional<GridDigits> NextInSearchOrder(const SearchGrid& grid, int frontier) {
  std::vector<int> free;
  for (int p = 0; p < 81; ++p)
    if (!grid.fixed[p]) free.push_back(p);

  // From the first free position at or after the frontier the search backs up
  // one free position at a time; before the frontier the digits stand.
  int start = -1;
  for (int i = 0; i < static_cast<int>(free.size()); ++i) {
    if (free[i] >= frontier) {
      start = i;
      break;
    }
  }
  if (start < 0) {
    // Nothing left to write: the grid is complete as it stands, or never.
    if (IsCompletion(grid)) return grid.digits;
    return std::nullopt;
  }

  CandidateGrid base;
  if (!BuildBase(grid, base)) return std::nullopt;

  for (int i = start; i >= 0; --i) {
    const int pivot = free[i];
    const DigitMask raise = DigitsAbove(grid.digits[pivot]) & grid.allowed[pivot];
    if (raise == 0) continue;
    CandidateGrid trial = base;
    bool prefixHolds = true;
    for (int j = 0; j < i && prefixHolds; ++j) {
      const int q = free[j];
      if (grid.digits[q] != 0) prefixHolds = trial.Place(q, grid.digits[q]);
    }
    if (!prefixHolds || !trial.Restrict(pivot, raise) || !trial.Settle()) continue;
    GridDigits found{};
    if (SmallestCompletion(trial, found)) return found;
  }
  return std::nullopt;
}

}  // namespace varelo::fast
