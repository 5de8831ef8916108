#include "solver/TailCount.h"

#include <bit>

namespace varelo::fast {

namespace {

// Each open cell in row-major order takes a candidate that its row, column
// and box do not hold yet. In a unit the open cells are as many as the
// digits it misses, so distinct digits are all a completion asks; the
// candidates of a settled grid already leave out the placed digits.
class Tail {
 public:
  explicit Tail(const CandidateGrid& grid) {
    const CandidateGrid::Cells open = grid.openCells();
    for (int b = 0; b < 3; ++b) {
      for (std::uint32_t bits = open[b]; bits != 0; bits &= bits - 1) {
        const int p = b * 27 + std::countr_zero(bits);
        candidates_[size_] = grid.candidates(p);
        units_[size_][0] = static_cast<unsigned char>(p / 9);
        units_[size_][1] = static_cast<unsigned char>(9 + p % 9);
        units_[size_][2] = static_cast<unsigned char>(18 + p / 27 * 3 + p % 9 / 3);
        ++size_;
      }
    }
  }

  std::int64_t Count(std::int64_t limit) {
    limit_ = limit;
    Fill(0);
    return found_;
  }

 private:
  void Fill(int i) {
    if (i == size_) {
      ++found_;
      return;
    }
    DigitMask& row = used_[units_[i][0]];
    DigitMask& column = used_[units_[i][1]];
    DigitMask& box = used_[units_[i][2]];
    for (DigitMask c = candidates_[i] & ~(row | column | box); c != 0 && found_ < limit_;
         c &= c - 1) {
      const auto bit = static_cast<DigitMask>(c & (~c + 1));
      row |= bit;
      column |= bit;
      box |= bit;
      Fill(i + 1);
      row &= static_cast<DigitMask>(~bit);
      column &= static_cast<DigitMask>(~bit);
      box &= static_cast<DigitMask>(~bit);
    }
  }

  int size_ = 0;
  DigitMask candidates_[kTailCells];
  unsigned char units_[kTailCells][3];  // row 0-8, column 9-17, box 18-26
  DigitMask used_[27] = {};             // digits the tail has put into each unit so far
  std::int64_t found_ = 0;
  std::int64_t limit_ = 0;
};

}  // namespace

std::int64_t CountTail(const CandidateGrid& grid, std::int64_t limit) {
  return Tail(grid).Count(limit);
}

}  // namespace varelo::fast
