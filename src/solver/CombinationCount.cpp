#include "solver/CombinationCount.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "solver/FastSolver.h"

namespace varelo {

namespace {

// Counts run up to a limit of at most 2^63, one past the largest cap.
using Count = std::uint64_t;
constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max();

constexpr int kLast = 80;      // grid 1's cell 81
constexpr int kCorner12 = 0;   // grid 2's cell 1
constexpr int kCorner23 = 8;   // grid 2's cell 9
constexpr int kCorner32 = 72;  // grid 3's cell 73

// The completions of one grid up to `limit`. No grid is ever enumerated to
// 2^63 - 1 completions (that would take centuries), so reaching it stands
// for the limit.
Count Completions(const GridDigits& grid, Count limit) {
  const auto found = fast::CountSolutions64(grid, static_cast<std::int64_t>(std::min<Count>(limit, kLargest)));
  return found == kLargest ? limit : static_cast<Count>(found);
}

// One grid of a chain with its corner digits set; its completions are
// counted only when asked, and only once.
class Link {
 public:
  Link() = default;
  explicit Link(const GridDigits& grid) : grid_(grid), live_(fast::HasSolution(grid)) {}

  bool live() const { return live_; }
  Count count(Count limit) {
    if (!count_) count_ = live_ ? Completions(grid_, limit) : 0;
    return *count_;
  }

 private:
  GridDigits grid_{};
  bool live_ = false;
  std::optional<Count> count_;
};

// `grid` with `digit` at `position`: a typed digit there must be the same
// (`keepTyped`), or is replaced by it. A dead link when it differs.
Link WithCorner(GridDigits grid, int position, int digit, bool keepTyped) {
  if (keepTyped && grid[position] != 0 && grid[position] != digit) return Link();
  grid[position] = static_cast<unsigned char>(digit);
  return Link(grid);
}

class ChainCount {
 public:
  ChainCount(int order, const std::array<GridDigits, 3>& grids, Count limit) : order_(order), limit_(limit) {
    for (int c = 1; c <= 9; ++c) {
      first_[c] = WithCorner(grids[0], kLast, c, true);
      GridDigits second = grids[1];
      second[kCorner12] = static_cast<unsigned char>(c);
      if (order_ == 2) {
        second_[c][0] = Link(second);
        continue;
      }
      for (int d = 1; d <= 9; ++d) second_[c][d] = WithCorner(second, kCorner23, d, true);
      third_[c] = WithCorner(grids[2], kCorner32, c, false);
    }
  }

  Count Total() {
    Count total = 0;
    for (int c = 1; c <= 9 && total < limit_; ++c) {
      if (!first_[c].live()) continue;
      const Count later = Later(c);
      if (later == 0) continue;
      total = Plus(total, Times(first_[c].count(limit_), later));
    }
    return total;
  }

 private:
  // The completions of grids 2 and 3 with `c` carried into grid 2.
  Count Later(int c) {
    if (order_ == 2) return second_[c][0].count(limit_);
    Count later = 0;
    for (int d = 1; d <= 9 && later < limit_; ++d) {
      if (!second_[c][d].live() || !third_[d].live()) continue;
      later = Plus(later, Times(second_[c][d].count(limit_), third_[d].count(limit_)));
    }
    return later;
  }

  Count Times(Count a, Count b) const {
    if (a == 0 || b == 0) return 0;
    return a > limit_ / b ? limit_ : std::min(a * b, limit_);
  }
  Count Plus(Count a, Count b) const { return a > limit_ - b ? limit_ : a + b; }

  int order_;
  Count limit_;
  // [c]: grid 1 with corner digit c; [c][d]: grid 2 carrying c with d at
  // its cell 9 ([c][0] in order 2); [d]: grid 3 carrying d.
  std::array<Link, 10> first_;
  std::array<std::array<Link, 10>, 10> second_;
  std::array<Link, 10> third_;
};

Count CountUpTo(int comboOrder, const std::array<GridDigits, 3>& grids, Count limit) {
  if (limit == 0) return 0;
  if (comboOrder == 0) return Completions(grids[0], limit);
  for (int k = 0; k < comboOrder; ++k)
    if (!fast::GivensConsistent(grids[k])) return 0;  // clashing givens: no solution
  return ChainCount(comboOrder, grids, limit).Total();
}

}  // namespace

std::int64_t CountGameSolutions(int comboOrder, const std::array<GridDigits, 3>& grids, std::int64_t limit) {
  if (limit <= 0) return 0;
  return static_cast<std::int64_t>(CountUpTo(comboOrder, grids, static_cast<Count>(limit)));
}

CappedCount CountGameSolutionsUpTo(int comboOrder, const std::array<GridDigits, 3>& grids, std::int64_t cap) {
  if (cap < 0) cap = 0;
  const Count found = CountUpTo(comboOrder, grids, static_cast<Count>(cap) + 1);
  const bool more = found > static_cast<Count>(cap);
  return {more ? cap : static_cast<std::int64_t>(found), more};
}

}  // namespace varelo
