#pragma once
// The Sudoku rule as the game checks it: CheckRow, CheckColumn and CheckBlock
// test one cell against one unit. The mode picks the data under test and what
// a clash does:
//   Search (0)   a digit array given at construction, by position 0..80;
//                no side effect
//   Grid0 (1), Grid1..Grid4 (11..14)
//                a grid of the board, by cell 1..81; the first clash of the
//                unit is reported to the clash hook (MarkClash)
//   Count (3)    grid 0, by cell; strikes the digits of the unit out of the
//                shared candidate list (the row check refills it first)
// The checks allocate nothing: every typed digit is checked, and every hint
// refresh counts the candidates of each empty cell of the main grid.

#include "core/GridDigits.h"

namespace varelo {

class Board;

enum class CheckMode : int {
  Search = 0,
  Grid0 = 1,
  Count = 3,
  Grid1 = 11,
  Grid2 = 12,
  Grid3 = 13,
  Grid4 = 14,
};

// The marking mode of grid k: 1 for the main grid, 11..14 for grids 1..4.
constexpr CheckMode MarkingMode(int grid) { return grid == 0 ? CheckMode::Grid0 : static_cast<CheckMode>(10 + grid); }

// Receives the first clash a marking check finds in a unit.
class ClashHook {
 public:
  virtual ~ClashHook() = default;
  virtual void MarkClash(int grid, int cell) = 0;
};

// The digits still possible for a cell, in rising order; at most nine.
class CandidateList {
 public:
  void Refill();
  bool Strike(int digit);  // true when the digit was in the list
  int size() const { return size_; }
  int at(int i) const { return digits_[i]; }

 private:
  unsigned char digits_[9] = {};
  int size_ = 0;
};

class RuleChecks {
 public:
  // `workDigits` is read in Search mode (callers that never search may leave
  // it out); `board` in every other mode.
  explicit RuleChecks(const Board& board, const GridDigits* workDigits = nullptr);

  void setClashHook(ClashHook* hook) { hook_ = hook; }

  // Rule modes: 1 when no other cell of the unit holds the cell's digit
  // (an empty cell never clashes), 0 at the first clash.
  // Count mode: the number of list entries struck out.
  int CheckRow(int cell, CheckMode mode);
  int CheckColumn(int cell, CheckMode mode);
  int CheckBlock(int cell, CheckMode mode);

  // A full rule check: the three unit checks, all three always made (so each
  // unit with a clash reports its own), combined with a logical and.
  bool CheckCell(int cell, CheckMode mode);

  // The three counting checks in the order row, column, block; returns the
  // candidate count, leaving the candidates in candidates().
  int CountCandidates(int cell);
  const CandidateList& candidates() const { return candidates_; }

 private:
  int Check(int unit, int cell, CheckMode mode);
  int DigitAt(int grid, int position) const;

  const Board& board_;
  const GridDigits* workDigits_;
  ClashHook* hook_ = nullptr;
  CandidateList candidates_;
};

// The rule on a bare digit array without marking: no other cell of p's row,
// column or box holds p's digit (an empty p never clashes). Used where no
// board holds the digits: the solver's work arrays and a finished grid.
bool ClashFree(const GridDigits& digits, int position);

}  // namespace varelo
