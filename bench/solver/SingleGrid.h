#pragma once
// A single-grid puzzle typed into solve mode, as the benchmarks drive it.

#include <chrono>

#include "core/Board.h"

namespace varelo::bench {

using Clock = std::chrono::steady_clock;

inline double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// `puzzle` holds 81 characters; anything but 1..9 is an empty cell.
inline void TypeInto(Board& board, const char* puzzle) {
  board.setComboOrder(0);
  board.setInSolveMode(true);
  for (int n = 1; n <= 81; ++n) {
    const char c = puzzle[n - 1];
    board.clearEntry(0, n);
    if (c >= '1' && c <= '9') board.setDigit(0, n, c - '0');
  }
}

// The controller's part of "求下一种解": the solver's digits go.
inline void EmptyLastGrid(Board& board) {
  for (int n = 1; n <= 81; ++n)
    if (board.isFixed(0, n)) board.clearEntry(0, n);
}

}  // namespace varelo::bench
