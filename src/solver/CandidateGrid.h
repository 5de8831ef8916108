#pragma once
// One 9x9 grid as candidate bit boards with constraint propagation. This is
// the oracle of the fast solver: it answers "is there a completion", "give me
// one" and "how many" for a grid with some cells placed and some restricted,
// in microseconds even for the hardest puzzles.
//
// Each digit keeps a board of the cells where it may still stand, cut into
// three bands of three rows (BandTables.h). Settling places naked and hidden
// singles and applies the box-line interactions (a digit confined to one row
// or column of a box, or to one box of a row or column) until none is left.
// A grid is small enough to copy at every branch of a search.

#include <array>
#include <cstdint>

#include "core/GridDigits.h"
#include "solver/BandTables.h"

namespace varelo::fast {

using DigitMask = std::uint16_t;  // bit d-1 set: digit d allowed

inline constexpr DigitMask kAllDigits = 0x1FF;
constexpr DigitMask DigitBit(int digit) { return static_cast<DigitMask>(1u << (digit - 1)); }
// The digits strictly above `digit` (0 gives all nine).
constexpr DigitMask DigitsAbove(int digit) { return static_cast<DigitMask>(kAllDigits & ~((1u << digit) - 1u)); }

class CandidateGrid {
 public:
  CandidateGrid();  // every cell open, every digit possible

  // Puts `digit` at position p and strikes it from p's row, column and box.
  // False when p cannot hold it (another digit placed there, or struck out).
  bool Place(int p, int digit);
  // Keeps only the digits of `allowed` at p. False when none is left.
  bool Restrict(int p, DigitMask allowed);
  // Propagates every change until nothing more follows. False on a
  // contradiction: a cell, or a digit in a unit, without a place left.
  bool Settle();

  int digit(int p) const;  // 0 while p is open
  DigitMask candidates(int p) const;
  bool complete() const { return (open_[0] | open_[1] | open_[2]) == 0; }
  int openCount() const { return bands::Count(open_[0]) + bands::Count(open_[1]) + bands::Count(open_[2]); }
  GridDigits digits() const;
  // The open cell to branch on: among those with the fewest candidates the
  // one with the most open peers; -1 when none is open.
  int BranchCell() const;

  using Cells = std::array<bands::BandMask, 3>;  // a set of cells, band by band
  Cells openCells() const { return {open_[0], open_[1], open_[2]}; }
  // Where `digit` may stand: its placed cells and its open candidates.
  Cells cellsOf(int digit) const { return {cells_[0][digit - 1], cells_[1][digit - 1], cells_[2][digit - 1]}; }

 private:
  using BandMask = bands::BandMask;

  // Places the digit on `cells` of band b and strikes it from `peers` (in
  // the band) and from the cells' columns (in the other bands). Returns the
  // digit's bands that lost a cell by it; other digits are marked dirty.
  unsigned Solve(int digit, int band, BandMask cells, BandMask peers);
  void Assign(int digit, int band, int index);
  bool UpdateDigit(int digit, unsigned changedBands);
  bool PlaceNakedSingles(bool& placed);
  bool FewestCandidates(BandMask (&fewest)[3]) const;

  // [band][digit - 1]: where the digit may stand, placed cells included; a
  // band's nine digits side by side, so a placement clears them in one sweep.
  BandMask cells_[3][9];
  BandMask open_[3];  // cells not placed yet
  // Per digit, the columns each band held after its last column pass
  // (band b at bit 9 * b): the pass gives the same again while they stand.
  BandMask stableColumns_[9];
  // Bit 3 * (digit - 1) + band: the digit's band changed since the digit was
  // last updated.
  std::uint32_t dirty_ = 0;
};

// A grid with every non-zero digit of `digits` placed; false when two of
// them clash.
bool LoadGivens(const GridDigits& digits, CandidateGrid& grid);

}  // namespace varelo::fast
