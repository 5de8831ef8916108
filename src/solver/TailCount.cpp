#include "solver/TailCount.h"

#include <algorithm>
#include <bit>

#include "solver/BitCompress.h"

namespace varelo::fast {

namespace {

using CellSet = std::uint64_t;  // bit j: the j-th open cell in row-major order
using PatternSet = std::uint64_t;  // bit k: a digit's k-th pattern

inline constexpr int kMostPerDigit = 64;  // patterns of one digit, one bit each

int BitCount(std::uint64_t x) {  // few bits, and no popcount instruction assumed
  int n = 0;
  for (; x != 0; x &= x - 1) ++n;
  return n;
}

// A completion, digit by digit: each digit takes one open cell in every row
// that misses it, no two of them in a column or box (a pattern of the
// digit), and the digits' patterns do not overlap. A digit has a few
// patterns where its cells have many candidates, so the count walks far
// fewer steps than one cell at a time.
class PatternCount {
 public:
  explicit PatternCount(const CandidateGrid& grid) {
    IndexCells(grid);
    IndexDigits(grid);
  }

  std::optional<std::int64_t> Count(std::int64_t limit) {
    if (!MakePatterns()) return std::nullopt;
    if (digits_ == 0 || none_) return none_ ? 0 : 1;
    limit_ = limit;
    Cover(0, 0);
    return std::min(found_, limit_);
  }

 private:
  // Each open cell's row, and the open cells that share its column or box.
  void IndexCells(const CandidateGrid& grid) {
    const CandidateGrid::Cells open = grid.openCells();
    unsigned char columnOf[kTailCells], boxOf[kTailCells];
    CellSet columnCells[9] = {}, boxCells[9] = {};
    for (int b = 0; b < 3; ++b) {
      for (std::uint32_t bits = open[b]; bits != 0; bits &= bits - 1, ++cells_) {
        const int p = b * 27 + std::countr_zero(bits);
        columnOf[cells_] = static_cast<unsigned char>(p % 9);
        boxOf[cells_] = static_cast<unsigned char>(p / 27 * 3 + p % 9 / 3);
        const CellSet cell = CellSet{1} << cells_;
        rowCells_[p / 9] |= cell;
        columnCells[columnOf[cells_]] |= cell;
        boxCells[boxOf[cells_]] |= cell;
      }
    }
    for (int j = 0; j < cells_; ++j)
      columnOrBox_[j] = columnCells[columnOf[j]] | boxCells[boxOf[j]];
  }

  // Where each digit may go, and how many rows still miss it.
  void IndexDigits(const CandidateGrid& grid) {
    const CandidateGrid::Cells open = grid.openCells();
    int offset = 0;
    for (int b = 0; b < 3; offset += bands::Count(open[b]), ++b) {
      const BitCompress compress(open[b]);
      for (int d = 0; d < 9; ++d) where_[d] |= CellSet{compress(grid.cellsOf(d + 1)[b])} << offset;
    }
    for (int d = 0; d < 9; ++d) {
      const CandidateGrid::Cells cells = grid.cellsOf(d + 1);
      int placed = 0;
      for (int b = 0; b < 3; ++b) placed += bands::Count(cells[b] & ~open[b]);
      missing_[d] = 9 - placed;
    }
  }

  // Every digit's patterns; false when a digit has more than kMostPerDigit.
  bool MakePatterns() {
    for (int d = 0; d < 9 && !none_; ++d) {
      if (missing_[d] == 0) continue;
      int rows[9], k = 0;
      for (int r = 0; r < 9; ++r)
        if (rowCells_[r] & where_[d]) rows[k++] = r;
      first_[digits_] = total_;
      // A row without a place for the digit leaves it without a pattern.
      if (k == missing_[d] && !Generate(rows, k, where_[d])) return false;
      count_[digits_] = total_ - first_[digits_];
      none_ = count_[digits_] == 0;
      ++digits_;
    }
    // The digit with the fewest patterns first: the fewest steps near the root.
    for (int l = 0; l < digits_; ++l) order_[l] = l;
    std::sort(order_, order_ + digits_, [&](int a, int b) { return count_[a] < count_[b]; });
    return true;
  }

  // Row after row, every way to extend the partial patterns by a cell of the
  // row clear of their columns and boxes; false once the digit has more than
  // kMostPerDigit patterns.
  bool Generate(const int* rows, int k, CellSet where) {
    struct Partial {
      CellSet chosen, free;
    };
    Partial a[4 * kMostPerDigit], b[4 * kMostPerDigit];
    Partial* from = a;
    Partial* to = b;
    int n = 1;
    a[0] = {0, where};
    for (int at = 0; at < k && n > 0; ++at) {
      const CellSet row = rowCells_[rows[at]];
      int m = 0;
      for (int i = 0; i < n; ++i) {
        for (CellSet c = row & from[i].free; c != 0; c &= c - 1) {
          if (m == 4 * kMostPerDigit) return false;
          const int j = std::countr_zero(c);
          to[m++] = {from[i].chosen | CellSet{1} << j, from[i].free & ~columnOrBox_[j]};
        }
      }
      std::swap(from, to);
      n = m;
    }
    if (n > kMostPerDigit) return false;
    for (int i = 0; i < n; ++i) patterns_[total_++] = from[i].chosen;
    return true;
  }

  void Cover(int level, CellSet taken) {
    const int d = order_[level];
    const CellSet* patterns = patterns_ + first_[d];
    PatternSet fits = 0;  // without branches: which patterns miss `taken`
    for (int k = 0; k < count_[d]; ++k)
      fits |= PatternSet{(patterns[k] & taken) == 0} << k;
    if (level == digits_ - 1) {
      found_ += BitCount(fits);
      return;
    }
    for (; fits != 0 && found_ < limit_; fits &= fits - 1)
      Cover(level + 1, taken | patterns[std::countr_zero(fits)]);
  }

  int cells_ = 0;
  CellSet rowCells_[9] = {};
  CellSet columnOrBox_[kTailCells];
  CellSet where_[9] = {};  // [digit - 1]: the open cells that may hold it
  int missing_[9];         // [digit - 1]: rows without it
  // The patterns of the digits still missing, digit after digit (one more
  // than kMostPerDigit at most for each before MakePatterns gives up).
  CellSet patterns_[9 * (kMostPerDigit + 1)];
  int first_[9], count_[9], order_[9];
  int digits_ = 0, total_ = 0;
  bool none_ = false;  // a digit without a pattern
  std::int64_t found_ = 0, limit_ = 0;
};

}  // namespace

std::optional<std::int64_t> CountTail(const CandidateGrid& grid, std::int64_t limit) {
  return PatternCount(grid).Count(limit);
}

}  // namespace varelo::fast
