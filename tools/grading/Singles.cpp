#include "grading/Singles.h"

#include <bit>
#include <bitset>

namespace varelo::grading {

namespace {

// Boxes come first: a box is the unit a player scans most easily.
constexpr int kHiddenScanOrder[kUnitCount] = {18, 19, 20, 21, 22, 23, 24, 25, 26, 0,  1,  2,  3, 4,
                                              5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17};

// The digits of `unit` that have exactly one candidate cell.
Mask LoneDigits(const CandidateGrid& grid, int unit) {
  Mask once = 0;
  Mask twice = 0;
  for (unsigned char p : Cells().unitCells[unit]) {
    const Mask c = grid.candidates(p);
    twice |= once & c;
    once |= c;
  }
  return static_cast<Mask>(once & ~twice);
}

int CellOfDigit(const CandidateGrid& grid, int unit, int digit) {
  for (unsigned char p : Cells().unitCells[unit])
    if (grid.candidates(p) & Bit(digit)) return p;
  return -1;
}

}  // namespace

SinglesScan ScanSingles(const CandidateGrid& grid) {
  SinglesScan scan;
  std::bitset<81> singles;
  for (int unit : kHiddenScanOrder) {
    for (Mask lone = LoneDigits(grid, unit); lone != 0; lone &= lone - 1) {
      const int digit = std::countr_zero(lone) + 1;
      const int p = CellOfDigit(grid, unit, digit);
      singles.set(p);
      if (!scan.hidden.found()) scan.hidden = {p, digit};
    }
  }
  for (int p = 0; p < 81; ++p) {
    const Mask c = grid.candidates(p);
    if (grid.digit(p) != 0 || CountOf(c) != 1) continue;
    singles.set(p);
    if (!scan.naked.found()) scan.naked = {p, std::countr_zero(c) + 1};
  }
  scan.available = static_cast<int>(singles.count());
  return scan;
}

bool PropagateSingles(CandidateGrid& grid) {
  // Sweeps rather than one single per scan: the order of placement does not
  // matter for the question asked here, only whether the marks break.
  for (bool progress = true; progress;) {
    progress = false;
    for (int p = 0; p < 81; ++p) {
      if (grid.digit(p) != 0) continue;
      const Mask c = grid.candidates(p);
      if (c == 0) return false;
      if (CountOf(c) == 1) {
        grid.Place(p, std::countr_zero(c) + 1);
        progress = true;
      }
    }
    for (int unit = 0; unit < kUnitCount; ++unit) {
      for (Mask lone = LoneDigits(grid, unit); lone != 0; lone &= lone - 1) {
        const int digit = std::countr_zero(lone) + 1;
        const int p = CellOfDigit(grid, unit, digit);
        if (p < 0) continue;  // taken by a placement earlier in this unit
        grid.Place(p, digit);
        progress = true;
      }
    }
    if (grid.Broken()) return false;
  }
  return true;
}

}  // namespace varelo::grading
