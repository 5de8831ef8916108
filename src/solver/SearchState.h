#pragma once
// The search state of the game window. All of it outlives a solve run: the
// next-solution command resumes the search from the arrays as they were left.

#include <array>
#include <vector>

#include "core/GridDigits.h"

namespace varelo {

struct SearchState {
  // WorkCell values besides the positions 0..80.
  static constexpr int kGridComplete = 81;
  static constexpr int kExhausted = 99;

  GridDigits SolutionDigits{};             // work digits by position, 0 = empty
  std::array<bool, 81> DigitFromSource{};  // true: from the puzzle, never written
  int WorkCell = 0;                        // the search position, or one of the above
  int WorkGrid = 1;                        // 1 for a single grid and a combination's first
  bool Solving = false;                    // a run is going; clearing it cancels the run
  int SolutionCount = 0;                   // solutions shown for the current puzzle
  int SharedDigit12 = 0;                   // grid 1 cell 81, carried to grid 2 cell 1
  int SharedDigit23 = 0;                   // grid 2 cell 9, carried to grid 3 cell 73
  std::vector<int> DigitBag;               // digits still free for the random first row

  bool IsFixed(int position) const { return DigitFromSource[position]; }
};

}  // namespace varelo
