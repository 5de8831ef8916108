#pragma once
// The board: five grids of 81 cells and the board-wide values that say which
// grids are in play and how they are linked. A shared corner of a
// combination is one cell with a name in each of its grids: writing it under
// either name changes both. Views observe it through cellChanged(), raised
// under both names; every rule of the game reads and writes cells through it.

#include <QObject>

#include <array>

#include "core/CellMath.h"
#include "core/Colour.h"
#include "core/EntryKind.h"
#include "core/GridDigits.h"
#include "core/Layout.h"

namespace varelo {

struct CellState {
  int digit = 0;  // 0 = empty, else 1..9
  EntryKind kind = EntryKind::Pen;
  bool clash = false;                     // the digit breaks a rule and shows red
  Rgb background = colours::kCheckerOdd;  // checkerboard or corner colour
  bool digitShown = true;                 // a combination solve run hides intermediate digits

  bool operator==(const CellState&) const = default;
};

class Board : public QObject {
  Q_OBJECT

 public:
  // Marks a cell whose hint colour must be drawn afresh: a new puzzle (-1) or
  // a digit entered there since its last grading (99). Neither is a real count.
  static constexpr int kCacheNewPuzzle = -1;
  static constexpr int kCacheDigitEntered = 99;

  explicit Board(QObject* parent = nullptr);

  const CellState& cell(int grid, int n) const { return grids_[StoredIndex(grid, n)]; }
  const CellState& cell(CellRef ref) const { return cell(ref.grid, ref.cell); }
  int digit(int grid, int n) const { return cell(grid, n).digit; }
  EntryKind kind(int grid, int n) const { return cell(grid, n).kind; }
  bool isFixed(int grid, int n) const { return IsFixed(kind(grid, n)); }
  // The digit's ink follows from who wrote it, the mode and a clash.
  Rgb ink(int grid, int n) const { return InkOf(cell(grid, n)); }
  Rgb InkOf(const CellState& cell) const { return cell.clash ? colours::kRed : NormalInk(cell.kind, inSolveMode_); }
  bool clashes(int grid, int n) const { return cell(grid, n).clash; }
  // As drawn: the main grid's colour-hint shade while the hint is shown,
  // else the cell's own background.
  Rgb background(int grid, int n) const {
    return grid == 0 && shadesShown_ ? shades_[n - 1] : cell(grid, n).background;
  }

  void setDigit(int grid, int n, int digit);
  void setKind(int grid, int n, EntryKind kind);
  void setClash(int grid, int n, bool clash);
  void setBackground(int grid, int n, Rgb background);
  void setDigitShown(int grid, int n, bool shown);

  // The colour hint's shades of the main grid, kept apart from the cells:
  // they are drawn at random, and a shade stays until the hint grades its
  // cell afresh, whatever the cell went through meanwhile.
  Rgb shade(int n) const { return shades_[n - 1]; }
  void setShade(int n, Rgb shade);
  bool shadesShown() const { return shadesShown_; }
  void setShadesShown(bool shown);
  void setCell(int grid, int n, const CellState& state);

  // Digit empty and kind "0"; ink and background stay.
  void clearEntry(int grid, int n);
  void clearGridEntries(int grid);

  int comboOrder() const { return comboOrder_; }
  void setComboOrder(int order);  // 0, 2 or 3
  bool inSolveMode() const { return inSolveMode_; }
  void setInSolveMode(bool on);
  bool gridEditable(int grid) const { return editable_[grid]; }
  void setGridEditable(int grid, bool editable);

  // The other name of a shared corner under the current ComboOrder.
  std::optional<CellRef> partner(CellRef ref) const { return SharedPartner(comboOrder_, ref); }

  int candidateCache(int n) const { return candidateCache_[n - 1]; }
  void setCandidateCache(int n, int value) { candidateCache_[n - 1] = value; }
  void resetCandidateCache();

  // Whether a grid in play holds a digit the player wrote (not a given).
  bool hasPlayerEntries() const;

  // Digits of a grid in position order (0 = empty), e.g. for the solver.
  GridDigits digitsOf(int grid) const;

 signals:
  void cellChanged(int grid, int cell);
  void comboOrderChanged(int order);

 private:
  static int Index(int grid, int n);
  int StoredIndex(int grid, int n) const;
  void update(int grid, int n, const CellState& next);

  std::array<CellState, kGridCount * kCellsPerGrid> grids_{};
  std::array<bool, kGridCount> editable_{};
  std::array<int, kCellsPerGrid> candidateCache_{};
  std::array<Rgb, kCellsPerGrid> shades_{};
  bool shadesShown_ = false;
  int comboOrder_ = 0;
  bool inSolveMode_ = false;
};

}  // namespace varelo
