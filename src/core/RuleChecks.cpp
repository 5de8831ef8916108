#include "core/RuleChecks.h"

#include "core/Board.h"
#include "core/CellMath.h"

#include <QtGlobal>

namespace varelo {

namespace {
constexpr int kRow = static_cast<int>(cells::Unit::Row);
constexpr int kColumn = static_cast<int>(cells::Unit::Column);
constexpr int kBlock = static_cast<int>(cells::Unit::Box);

int GridOfMode(CheckMode mode) {
  switch (mode) {
    case CheckMode::Grid1: return 1;
    case CheckMode::Grid2: return 2;
    case CheckMode::Grid3: return 3;
    case CheckMode::Grid4: return 4;
    default: return 0;
  }
}
}  // namespace

void CandidateList::Refill() {
  for (int i = 0; i < 9; ++i) digits_[i] = static_cast<unsigned char>(i + 1);
  size_ = 9;
}

bool CandidateList::Strike(int digit) {
  for (int i = 0; i < size_; ++i) {
    if (digits_[i] != digit) continue;
    for (int j = i + 1; j < size_; ++j) digits_[j - 1] = digits_[j];
    --size_;
    return true;
  }
  return false;
}

RuleChecks::RuleChecks(const Board& board, const GridDigits* workDigits) : board_(board), workDigits_(workDigits) {}

int RuleChecks::CheckRow(int cell, CheckMode mode) {
  if (mode == CheckMode::Count) candidates_.Refill();
  return Check(kRow, cell, mode);
}

int RuleChecks::CheckColumn(int cell, CheckMode mode) { return Check(kColumn, cell, mode); }

int RuleChecks::CheckBlock(int cell, CheckMode mode) { return Check(kBlock, cell, mode); }

bool RuleChecks::CheckCell(int cell, CheckMode mode) {
  const bool row = CheckRow(cell, mode) != 0;
  const bool column = CheckColumn(cell, mode) != 0;
  const bool block = CheckBlock(cell, mode) != 0;
  return row && column && block;
}

int RuleChecks::CountCandidates(int cell) {
  CheckRow(cell, CheckMode::Count);
  CheckColumn(cell, CheckMode::Count);
  CheckBlock(cell, CheckMode::Count);
  return candidates_.size();
}

int RuleChecks::DigitAt(int grid, int position) const { return board_.digit(grid, position + 1); }

int RuleChecks::Check(int unit, int cell, CheckMode mode) {
  const bool search = mode == CheckMode::Search;
  const int position = search ? cell : cell - 1;
  const auto& walk = cells::WalkOfPosition(static_cast<cells::Unit>(unit), position);

  if (mode == CheckMode::Count) {
    int struck = 0;
    for (unsigned char p : walk) {
      const int d = DigitAt(0, p);
      if (d != 0 && candidates_.Strike(d)) ++struck;
    }
    return struck;
  }

  Q_ASSERT(!search || workDigits_);
  const int grid = GridOfMode(mode);
  const int own = search ? (*workDigits_)[position] : DigitAt(grid, position);
  if (own == 0) return 1;
  for (unsigned char p : walk) {
    if (p == position) continue;
    const int other = search ? (*workDigits_)[p] : DigitAt(grid, p);
    if (other != own) continue;
    if (!search && hook_) hook_->MarkClash(grid, p + 1);
    return 0;
  }
  return 1;
}

bool ClashFree(const GridDigits& digits, int position) {
  const int own = digits[position];
  if (own == 0) return true;
  for (int unit = 0; unit < 3; ++unit) {
    for (unsigned char p : cells::WalkOfPosition(static_cast<cells::Unit>(unit), position))
      if (p != position && digits[p] == own) return false;
  }
  return true;
}

}  // namespace varelo
