#include "solver/TailCount.h"

#include <algorithm>
#include <array>
#include <bit>

#include "solver/BitCompress.h"

namespace varelo::fast {

namespace {

using CellSet = std::uint32_t;     // bit j: the j-th open cell in row-major order
using PatternSet = std::uint32_t;  // bit k: a digit's k-th pattern
// Four cell sets side by side (a GCC and Clang vector type, one SSE2 word
// on x86-64), to test four patterns at once.
using FourSets = CellSet __attribute__((vector_size(16)));

static_assert(kTailCells <= 32);
inline constexpr int kMostPerDigit = 32;   // patterns of one digit, one bit each
inline constexpr int kMostPartials = 256;  // half-made patterns of one digit

// Bit 4 * i + lane in lane `lane` of entry i.
constexpr FourSets kPatternBits[kMostPerDigit / 4] = {
    {1u << 0, 1u << 1, 1u << 2, 1u << 3},     {1u << 4, 1u << 5, 1u << 6, 1u << 7},
    {1u << 8, 1u << 9, 1u << 10, 1u << 11},   {1u << 12, 1u << 13, 1u << 14, 1u << 15},
    {1u << 16, 1u << 17, 1u << 18, 1u << 19}, {1u << 20, 1u << 21, 1u << 22, 1u << 23},
    {1u << 24, 1u << 25, 1u << 26, 1u << 27}, {1u << 28, 1u << 29, 1u << 30, 1u << 31}};

// Where a cell of a band lies, by its index in the band.
struct Place {
  unsigned char rowInBand, column, boxInBand;
};
constexpr std::array<Place, 27> MakePlaces() {
  std::array<Place, 27> places{};
  for (int i = 0; i < 27; ++i)
    places[i] = {static_cast<unsigned char>(i / 9), static_cast<unsigned char>(i % 9),
                 static_cast<unsigned char>(i % 9 / 3)};
  return places;
}
constexpr std::array<Place, 27> kPlaces = MakePlaces();

int BitCount(std::uint32_t x) {  // few bits, and no popcount instruction assumed
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
        const int i = std::countr_zero(bits);
        const CellSet cell = CellSet{1} << cells_;
        const Place& at = kPlaces[i];
        columnOf[cells_] = at.column;
        boxOf[cells_] = static_cast<unsigned char>(3 * b + at.boxInBand);
        rowCells_[3 * b + at.rowInBand] |= cell;
        columnCells[at.column] |= cell;
        boxCells[boxOf[cells_]] |= cell;
      }
    }
    for (int j = 0; j < cells_; ++j) columnOrBox_[j] = columnCells[columnOf[j]] | boxCells[boxOf[j]];
  }

  // Where each digit may go. In a settled grid a row misses a digit just
  // when one of its open cells may hold it, and so does a column.
  void IndexDigits(const CandidateGrid& grid) {
    const CandidateGrid::Cells open = grid.openCells();
    int offset = 0;
    for (int b = 0; b < 3; offset += bands::Count(open[b]), ++b) {
      // A band without open cells adds none, and past 32 cells its offset
      // would shift by the word's whole width.
      if (open[b] == 0) continue;
      const BitCompress compress(open[b]);
      for (int d = 0; d < 9; ++d) where_[d] |= CellSet{compress(grid.cellsOf(d + 1)[b])} << offset;
    }
  }

  // Every digit's patterns; false when a digit has too many.
  bool MakePatterns() {
    for (int d = 0; d < 9 && !none_; ++d) {
      if (where_[d] == 0) continue;  // placed in every row
      int rows[9], k = 0;
      for (int r = 0; r < 9; ++r) {  // without branches
        rows[k] = r;
        k += (rowCells_[r] & where_[d]) != 0;
      }
      if (!Generate(rows, k, where_[d])) return false;
      none_ = count_[digits_] == 0;
      ++digits_;
    }
    // The digit with the fewest patterns first: the fewest steps near the root.
    for (int l = 0; l < digits_; ++l) order_[l] = l;
    std::sort(order_, order_ + digits_, [&](int a, int b) { return count_[a] < count_[b]; });
    return true;
  }

  // Row after row, every way to extend the partial patterns by a cell of the
  // row clear of their columns and boxes; false once there are more than
  // kMostPartials of them or more than kMostPerDigit patterns.
  bool Generate(const int* rows, int k, CellSet where) {
    struct Partial {
      CellSet chosen, free;
    };
    Partial a[kMostPartials], b[kMostPartials];
    Partial* from = a;
    Partial* to = b;
    int n = 1;
    a[0] = {0, where};
    for (int at = 0; at < k && n > 0; ++at) {
      const CellSet row = rowCells_[rows[at]];
      int m = 0;
      for (int i = 0; i < n; ++i) {
        for (CellSet c = row & from[i].free; c != 0; c &= c - 1) {
          if (m == kMostPartials) return false;
          const int j = std::countr_zero(c);
          to[m++] = {from[i].chosen | CellSet{1} << j, from[i].free & ~columnOrBox_[j]};
        }
      }
      std::swap(from, to);
      n = m;
    }
    if (n > kMostPerDigit) return false;
    FourSets* patterns = patterns_[digits_];
    for (int i = 0; i < n; ++i) patterns[i / 4][i % 4] = from[i].chosen;
    for (int i = n; i % 4 != 0; ++i) patterns[i / 4][i % 4] = 0;
    count_[digits_] = n;
    return true;
  }

  void Cover(int level, CellSet taken) {
    const int l = order_[level];
    const FourSets* patterns = patterns_[l];
    const FourSets four = {taken, taken, taken, taken};
    FourSets fitting = {0, 0, 0, 0};  // without branches, four patterns a step
    for (int i = 0; 4 * i < count_[l]; ++i)
      fitting |= reinterpret_cast<FourSets>((patterns[i] & four) == 0) & kPatternBits[i];
    const PatternSet all = ~(~PatternSet{1} << (count_[l] - 1));  // not the padding
    PatternSet fits = (fitting[0] | fitting[1] | fitting[2] | fitting[3]) & all;
    if (level == digits_ - 1) {
      found_ += BitCount(fits);
      return;
    }
    for (; fits != 0 && found_ < limit_; fits &= fits - 1) {
      const int k = std::countr_zero(fits);
      Cover(level + 1, taken | patterns[k / 4][k % 4]);
    }
  }

  int cells_ = 0;
  CellSet rowCells_[9] = {};
  CellSet columnOrBox_[kTailCells];
  CellSet where_[9] = {};  // [digit - 1]: the open cells that may hold it
  // [l]: the patterns of the l-th digit still missing, four to an entry.
  FourSets patterns_[9][kMostPerDigit / 4];
  int count_[9], order_[9];
  int digits_ = 0;
  bool none_ = false;  // a digit without a pattern
  std::int64_t found_ = 0, limit_ = 0;
};

}  // namespace

std::optional<std::int64_t> CountTail(const CandidateGrid& grid, std::int64_t limit) {
  return PatternCount(grid).Count(limit);
}

}  // namespace varelo::fast
