#include "solver/Search.h"

#include "solver/FastSolver.h"
#include "solver/SearchOrder.h"

namespace varelo {

SearchResult RunSearch(SearchState& state, CornerLimit limit) {
  if (state.WorkCell == SearchState::kExhausted) return SearchResult::Exhausted;
  if (state.WorkCell >= SearchState::kGridComplete) return SearchResult::Complete;
  if (!state.Solving) return SearchResult::Cancelled;

  fast::SearchGrid grid;
  grid.digits = state.SolutionDigits;
  grid.fixed = state.DigitFromSource;
  if (limit.position >= 0) grid.allowed[limit.position] = limit.digits;

  if (auto next = fast::NextInSearchOrder(grid, state.WorkCell)) {
    state.SolutionDigits = *next;
    state.WorkCell = SearchState::kGridComplete;
    return SearchResult::Complete;
  }
  // Backing up past the first free position empties every free one.
  for (int p = 0; p < 81; ++p)
    if (!state.IsFixed(p)) state.SolutionDigits[p] = 0;
  return SearchResult::Exhausted;
}

bool ResumeSearch(SearchState& state) {
  for (int p = 80; p >= 0; --p) {
    if (state.IsFixed(p)) continue;
    state.WorkCell = p;
    return true;
  }
  return false;
}

bool FixedDigitsConsistent(const SearchState& state) {
  GridDigits fixed{};
  for (int p = 0; p < 81; ++p)
    if (state.IsFixed(p)) fixed[p] = state.SolutionDigits[p];
  return fast::GivensConsistent(fixed);
}

}  // namespace varelo
