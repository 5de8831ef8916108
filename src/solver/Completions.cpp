#include "solver/Completions.h"

#include <bit>

#include "solver/TailCount.h"

namespace varelo::fast {

namespace {

struct Count {
  std::int64_t limit = 0;
  std::int64_t found = 0;
  GridDigits* smallest = nullptr;

  void Met(const CandidateGrid& grid) {
    if (smallest != nullptr) {
      const GridDigits digits = grid.digits();
      if (found == 0 || digits < *smallest) *smallest = digits;
    }
    ++found;
  }
};

// `grid` is the caller's scratch copy: the last branch runs on it in place.
void Search(CandidateGrid& grid, Count& count) {
  if (!grid.Settle()) return;
  if (count.smallest == nullptr && grid.openCount() <= kTailCells) {
    if (const auto tail = CountTail(grid, count.limit - count.found)) {
      count.found += *tail;
      return;
    }
  }
  const int p = grid.BranchCell();
  if (p < 0) {
    count.Met(grid);
    return;
  }
  for (DigitMask c = grid.candidates(p); c != 0 && count.found < count.limit; c &= c - 1) {
    const int digit = std::countr_zero(c) + 1;
    if ((c & (c - 1)) == 0) {
      if (grid.Place(p, digit)) Search(grid, count);
      return;
    }
    CandidateGrid trial = grid;
    if (trial.Place(p, digit)) Search(trial, count);
  }
}

}  // namespace

bool FindCompletion(CandidateGrid grid, GridDigits& out) { return CountCompletions(grid, 1, &out) == 1; }

std::int64_t CountCompletions(const CandidateGrid& grid, std::int64_t limit, GridDigits* smallest) {
  if (limit <= 0) return 0;
  CandidateGrid work = grid;
  Count count{limit, 0, smallest};
  Search(work, count);
  return count.found;
}

}  // namespace varelo::fast
