#pragma once
// RunSearch and ResumeSearch on the search state: the same results as the
// game's step-by-step backtracking search, reached in one jump (see
// SearchOrder.h). Only the current grid is searched here; what happens when
// it runs out (a message or a fall-back to an earlier combination grid) is
// decided by the solve session, which knows the board.

#include "solver/CandidateGrid.h"
#include "solver/SearchState.h"

namespace varelo {

enum class SearchResult {
  Complete,   // SolutionDigits holds the next completion; WorkCell is 81
  Exhausted,  // no completion left; the free positions are empty again
  Cancelled,  // Solving was false; nothing changed
};

// A position whose digits are limited beyond the rule: the shared corner of
// a combination, kept to the digits with which the later grids can still be
// completed.
struct CornerLimit {
  int position = -1;  // -1: none
  fast::DigitMask digits = fast::kAllDigits;
};

// Continues the search from WorkCell: a fresh search (WorkCell 0, free
// positions empty) finds the first completion in search order; after
// ResumeSearch it finds the next one.
SearchResult RunSearch(SearchState& state, CornerLimit limit = {});

// Prepares the search for the next completion after the one the arrays hold:
// WorkCell goes to the last free position. False when there is none, which
// means the grid's search is exhausted.
bool ResumeSearch(SearchState& state);

// Whether the fixed digits obey the rule among themselves. A grid whose
// fixed digits clash has no completion.
bool FixedDigitsConsistent(const SearchState& state);

}  // namespace varelo
