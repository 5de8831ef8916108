#include "solver/SearchOrder.h"

#include <bit>
#include <vector>

#include "solver/Completions.h"

namespace varelo::fast {

namespace {

constexpr int LowestDigit(DigitMask mask) { return std::countr_zero(mask) + 1; }

// Completions of `grid`, counted up to two, with the smaller of those met.
std::int64_t CountTwo(const CandidateGrid& grid, GridDigits& smallest) { return CountCompletions(grid, 2, &smallest); }

// The smallest completion of a settled `grid` in search order. Each open
// position, in order, takes the smallest digit that still leaves a
// completion. A known completion (the witness) bounds the digits worth
// trying, so most positions cost nothing; and once the digits placed so far
// leave a single completion, that is the answer.
bool SmallestCompletion(CandidateGrid grid, GridDigits& out) {
  GridDigits witness{};
  const std::int64_t count = CountTwo(grid, witness);
  if (count <= 1) {
    out = witness;
    return count == 1;
  }
  for (int p = 0; p < 81; ++p) {
    if (grid.digit(p) != 0) continue;
    const DigitMask smaller = grid.candidates(p) & (DigitBit(witness[p]) - 1);
    bool placed = false;
    for (DigitMask c = smaller; c != 0 && !placed; c &= c - 1) {
      const int d = LowestDigit(c);
      CandidateGrid trial = grid;
      GridDigits found{};
      const std::int64_t left = trial.Place(p, d) ? CountTwo(trial, found) : 0;
      if (left == 1) {
        out = found;
        return true;
      }
      if (left == 2) {
        trial.Settle();
        grid = trial;
        witness = found;
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

// The base with the digits of the first free positions placed: entry i
// holds those before free[i], up to free[last] and, when they all stand,
// one past it. Shorter when a prefix already fails.
std::vector<CandidateGrid> Prefixes(const SearchGrid& grid, const std::vector<int>& free, const CandidateGrid& base,
                                    int last) {
  std::vector<CandidateGrid> prefixes;
  prefixes.reserve(last + 2);
  prefixes.push_back(base);
  for (int i = 0; i <= last; ++i) {
    CandidateGrid next = prefixes.back();
    const int d = grid.digits[free[i]];
    if (d != 0 && !(next.Place(free[i], d) && next.Settle())) break;
    prefixes.push_back(next);
  }
  return prefixes;
}

// When the free digits form a completion, every prefix holds it; a prefix
// that holds no other completion cannot be raised anywhere after it. The
// first such prefix, found by halving (holding one is inherited by longer
// prefixes); pivots from there on need no trial.
int FirstPrefixWithOneCompletion(const std::vector<CandidateGrid>& prefixes) {
  GridDigits unused{};
  // Most puzzles have one solution: then the search is over at once.
  if (CountTwo(prefixes[0], unused) <= 1) return 0;
  int low = 1, high = static_cast<int>(prefixes.size()) - 1;  // high holds one
  while (low < high) {
    const int middle = (low + high) / 2;
    if (CountTwo(prefixes[middle], unused) <= 1)
      high = middle;
    else
      low = middle + 1;
  }
  return low;
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
  const std::vector<CandidateGrid> prefixes = Prefixes(grid, free, base, start);
  int pivot = std::min(start, static_cast<int>(prefixes.size()) - 1);
  const bool completion = static_cast<int>(free.size()) == start + 1 &&
                          static_cast<int>(prefixes.size()) == start + 2 && IsCompletion(grid);
  if (completion) pivot = FirstPrefixWithOneCompletion(prefixes) - 1;

  for (int i = pivot; i >= 0; --i) {
    const int position = free[i];
    const DigitMask raise = DigitsAbove(grid.digits[position]) & grid.allowed[position];
    if (raise == 0) continue;
    CandidateGrid trial = prefixes[i];
    if (!trial.Restrict(position, raise) || !trial.Settle()) continue;
    GridDigits found{};
    if (SmallestCompletion(trial, found)) return found;
  }
  return std::nullopt;
}

}  // namespace varelo::fast
