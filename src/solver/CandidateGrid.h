#pragma once
// One 9x9 grid as candidate bit masks with constraint propagation. This is
// the oracle of the fast solver: it answers "is there a completion", "give me
// one" and "how many" for a grid with some cells placed and some restricted,
// in microseconds even for the hardest puzzles.

#include <cstdint>

#include "core/GridDigits.h"

namespace varelo::fast {

using DigitMask = std::uint16_t;  // bit d-1 set: digit d allowed

inline constexpr DigitMask kAllDigits = 0x1FF;
constexpr DigitMask DigitBit(int digit) { return static_cast<DigitMask>(1u << (digit - 1)); }
// The digits strictly above `digit` (0 gives all nine).
constexpr DigitMask DigitsAbove(int digit) {
  return static_cast<DigitMask>(kAllDigits & ~((1u << digit) - 1u));
}

class CandidateGrid {
 public:
  CandidateGrid();  // every cell open, every digit possible

  // Puts `digit` at position p and strikes it from p's row, column and box.
  // False when the grid can no longer be completed (the grid is then spoilt).
  bool Place(int p, int digit);
  // Keeps only the digits of `allowed` at p. False when none is left.
  bool Restrict(int p, DigitMask allowed);
  // Places every naked and hidden single until none is left. False on a
  // contradiction (a cell or a unit without a place for a digit).
  bool Settle();

  int digit(int p) const { return digit_[p]; }
  DigitMask candidates(int p) const { return candidates_[p]; }
  bool complete() const { return open_ == 0; }
  GridDigits digits() const;

 private:
  void Queue(int p);
  bool SettleHiddenSingles(bool& placed);

  DigitMask candidates_[81];
  unsigned char digit_[81];
  unsigned char queue_[81];
  int queued_ = 0;
  int open_ = 81;
};

// A completion of `grid` (most constrained cell first), or false.
bool FindCompletion(CandidateGrid grid, GridDigits& out);

// The number of completions, counted up to `limit`.
std::int64_t CountCompletions(const CandidateGrid& grid, std::int64_t limit);

// A grid with every non-zero digit of `digits` placed; false when two of
// them clash.
bool LoadGivens(const GridDigits& digits, CandidateGrid& grid);

}  // namespace varelo::fast
