#include "core/Board.h"

namespace varelo {

Board::Board(QObject* parent) : QObject(parent) {
  for (int grid = 0; grid < kGridCount; ++grid)
    for (int n = 1; n <= kCellsPerGrid; ++n) grids_[Index(grid, n)].background = colours::Checkerboard(n);
  resetCandidateCache();
}

int Board::Index(int grid, int n) {
  Q_ASSERT(cells::IsGrid(grid) && cells::IsCell(n));
  return grid * kCellsPerGrid + (n - 1);
}

int Board::StoredIndex(int grid, int n) const {
  const CellRef stored = StoredCell(comboOrder_, {grid, n});
  return Index(stored.grid, stored.cell);
}

void Board::update(int grid, int n, const CellState& next) {
  CellState& current = grids_[StoredIndex(grid, n)];
  if (current == next) return;
  current = next;
  emit cellChanged(grid, n);
  if (const auto other = partner({grid, n})) emit cellChanged(other->grid, other->cell);
}

void Board::setDigit(int grid, int n, int digit) {
  Q_ASSERT(digit >= 0 && digit <= 9);
  CellState next = cell(grid, n);
  next.digit = digit;
  update(grid, n, next);
}

void Board::setKind(int grid, int n, EntryKind kind) {
  CellState next = cell(grid, n);
  next.kind = kind;
  update(grid, n, next);
}

void Board::setClash(int grid, int n, bool clash) {
  CellState next = cell(grid, n);
  next.clash = clash;
  update(grid, n, next);
}

void Board::setBackground(int grid, int n, Rgb background) {
  CellState next = cell(grid, n);
  next.background = background;
  update(grid, n, next);
}

void Board::setDigitShown(int grid, int n, bool shown) {
  CellState next = cell(grid, n);
  next.digitShown = shown;
  update(grid, n, next);
}

void Board::setCell(int grid, int n, const CellState& state) { update(grid, n, state); }

void Board::setShade(int n, Rgb shade) {
  if (shades_[n - 1] == shade) return;
  shades_[n - 1] = shade;
  if (shadesShown_) emit cellChanged(0, n);
}

void Board::setShadesShown(bool shown) {
  if (shown == shadesShown_) return;
  shadesShown_ = shown;
  for (int n = 1; n <= kCellsPerGrid; ++n) emit cellChanged(0, n);
}

void Board::clearEntry(int grid, int n) {
  CellState next = cell(grid, n);
  next.digit = 0;
  next.kind = EntryKind::Pen;
  update(grid, n, next);
}

void Board::clearGridEntries(int grid) {
  for (int n = 1; n <= kCellsPerGrid; ++n) clearEntry(grid, n);
}

void Board::setComboOrder(int order) {
  Q_ASSERT(order == 0 || order == 2 || order == 3);
  if (order == comboOrder_) return;
  comboOrder_ = order;
  emit comboOrderChanged(order);
}

// Every digit's ink may change with the mode.
void Board::setInSolveMode(bool on) {
  if (on == inSolveMode_) return;
  inSolveMode_ = on;
  for (int grid = 0; grid < kGridCount; ++grid)
    for (int n = 1; n <= kCellsPerGrid; ++n) emit cellChanged(grid, n);
}

void Board::setGridEditable(int grid, bool editable) {
  Q_ASSERT(cells::IsGrid(grid));
  editable_[grid] = editable;
}

void Board::resetCandidateCache() { candidateCache_.fill(kCacheNewPuzzle); }

bool Board::hasPlayerEntries() const {
  for (int grid : GridsInPlay(comboOrder_))
    for (int n = 1; n <= kCellsPerGrid; ++n)
      if (digit(grid, n) != 0 && !isFixed(grid, n)) return true;
  return false;
}

GridDigits Board::digitsOf(int grid) const {
  GridDigits digits{};
  for (int n = 1; n <= kCellsPerGrid; ++n) digits[n - 1] = static_cast<unsigned char>(digit(grid, n));
  return digits;
}

}  // namespace varelo
