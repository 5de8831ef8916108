// Cell arithmetic, combination layouts and the board's change notification.

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/Board.h"
#include "core/CellMath.h"
#include "core/EntryKind.h"
#include "core/Layout.h"

namespace varelo {
namespace {

using cells::Box;
using cells::Column;
using cells::Row;

std::vector<int> WalkCells(cells::Unit unit, int n) {
  std::vector<int> result;
  for (unsigned char p : cells::WalkOfPosition(unit, n - 1)) result.push_back(p + 1);
  return result;
}

TEST(CellMath, CornerCellsHaveTheirRowColumnAndBox) {
  struct Case {
    int n, row, column, box;
  };
  for (const Case c : {Case{1, 1, 1, 1}, Case{81, 9, 9, 9}, Case{73, 9, 1, 7}, Case{9, 1, 9, 3}, Case{41, 5, 5, 5},
                       Case{30, 4, 3, 4}}) {
    EXPECT_EQ(Row(c.n), c.row) << c.n;
    EXPECT_EQ(Column(c.n), c.column) << c.n;
    EXPECT_EQ(Box(c.n), c.box) << c.n;
    EXPECT_EQ(cells::CellAt(c.row, c.column), c.n);
  }
  EXPECT_EQ(cells::RowOfPosition(80), 9);
  EXPECT_EQ(cells::ColumnOfPosition(0), 1);
}

TEST(CellMath, UnitWalksVisitTheirCellsInCheckOrder) {
  EXPECT_EQ(WalkCells(cells::Unit::Row, 50), (std::vector<int>{46, 47, 48, 49, 50, 51, 52, 53, 54}));
  EXPECT_EQ(WalkCells(cells::Unit::Column, 50), (std::vector<int>{5, 14, 23, 32, 41, 50, 59, 68, 77}));
  EXPECT_EQ(WalkCells(cells::Unit::Box, 1), (std::vector<int>{1, 2, 3, 10, 11, 12, 19, 20, 21}));
  EXPECT_EQ(WalkCells(cells::Unit::Box, 81), (std::vector<int>{61, 62, 63, 70, 71, 72, 79, 80, 81}));
  // Every walk holds the cell itself and nine distinct cells of the same unit.
  for (int n = 1; n <= 81; ++n) {
    for (auto unit : {cells::Unit::Row, cells::Unit::Column, cells::Unit::Box}) {
      auto walk = WalkCells(unit, n);
      EXPECT_NE(std::find(walk.begin(), walk.end(), n), walk.end());
      std::sort(walk.begin(), walk.end());
      EXPECT_EQ(std::unique(walk.begin(), walk.end()), walk.end());
      for (int m : walk) {
        const int same = unit == cells::Unit::Row      ? Row(m) - Row(n)
                         : unit == cells::Unit::Column ? Column(m) - Column(n)
                                                       : Box(m) - Box(n);
        EXPECT_EQ(same, 0) << n << " " << m;
      }
    }
  }
}

TEST(Layout, SharedCornersDependOnTheOrder) {
  EXPECT_EQ(SharedPartner(2, {1, 81}), (CellRef{2, 1}));
  EXPECT_EQ(SharedPartner(2, {2, 1}), (CellRef{1, 81}));
  EXPECT_EQ(SharedPartner(3, {1, 81}), (CellRef{2, 1}));
  // Grid 2's cell 9 is an ordinary cell in order 2 and the corner in order 3.
  EXPECT_FALSE(SharedPartner(2, {2, 9}).has_value());
  EXPECT_FALSE(SharedPartner(2, {3, 73}).has_value());
  EXPECT_EQ(SharedPartner(3, {2, 9}), (CellRef{3, 73}));
  EXPECT_EQ(SharedPartner(3, {3, 73}), (CellRef{2, 9}));
  // A single grid shares nothing, and no other cell is ever shared.
  for (int order : {0, 2, 3}) {
    EXPECT_FALSE(SharedPartner(order, {0, 81}).has_value());
    for (int grid = 0; grid <= 4; ++grid)
      for (int n = 1; n <= 81; ++n) {
        const CellRef ref{grid, n};
        const bool corner =
            ref == CellRef{1, 81} || ref == CellRef{2, 1} || ref == CellRef{2, 9} || ref == CellRef{3, 73};
        EXPECT_TRUE(corner || !SharedPartner(order, ref).has_value()) << grid << " " << n;
      }
  }
}

TEST(Layout, GridsInPlayPerOrder) {
  auto list = [](int order) {
    auto grids = GridsInPlay(order);
    return std::vector<int>(grids.begin(), grids.end());
  };
  EXPECT_EQ(list(0), std::vector<int>{0});
  EXPECT_EQ(list(2), (std::vector<int>{1, 2}));
  EXPECT_EQ(list(3), (std::vector<int>{1, 2, 3}));
}

TEST(EntryKinds, NormalInks) {
  EXPECT_EQ(NormalInk(EntryKind::Given, false), colours::kBlack);
  EXPECT_EQ(NormalInk(EntryKind::Pen, false), colours::kBlue);
  EXPECT_EQ(NormalInk(EntryKind::Pencil, false), colours::kPencilGrey);
  EXPECT_EQ(NormalInk(EntryKind::Solver, true), colours::kBlue);  // the solver's digits
  EXPECT_EQ(NormalInk(EntryKind::Pen, true), colours::kBlack);   // the typed puzzle
  EXPECT_EQ(Rgb::FromValue(65535), (Rgb{255, 255, 0}));
  EXPECT_EQ((Rgb{0, 255, 0}).ToValue(), 65280u);
}

TEST(Board, StartsEmptyOnTheCheckerboard) {
  Board board;
  for (int grid = 0; grid <= 4; ++grid) {
    EXPECT_FALSE(board.gridEditable(grid));
    for (int n = 1; n <= 81; ++n) {
      EXPECT_EQ(board.digit(grid, n), 0);
      EXPECT_EQ(board.kind(grid, n), EntryKind::Pen);
      EXPECT_EQ(board.background(grid, n), colours::Checkerboard(n));
    }
  }
  EXPECT_EQ(board.background(0, 1), (Rgb{255, 255, 210}));
  EXPECT_EQ(board.background(0, 2), (Rgb{210, 255, 255}));
  EXPECT_EQ(board.comboOrder(), 0);
  EXPECT_EQ(board.candidateCache(40), Board::kCacheNewPuzzle);
}

TEST(Board, NotifiesEachRealChangeOfACellOnce) {
  Board board;
  QSignalSpy spy(&board, &Board::cellChanged);
  board.setDigit(2, 17, 5);
  board.setDigit(2, 17, 5);  // unchanged: no notification
  board.setClash(2, 17, true);
  board.setKind(2, 17, EntryKind::Pencil);
  board.setBackground(0, 3, colours::kWhite);
  ASSERT_EQ(spy.count(), 4);
  EXPECT_EQ(spy.at(0).at(0).toInt(), 2);
  EXPECT_EQ(spy.at(0).at(1).toInt(), 17);
  EXPECT_EQ(spy.at(3).at(0).toInt(), 0);

  // Clearing keeps the clash's red and the background, empties digit and kind.
  board.clearEntry(2, 17);
  EXPECT_EQ(board.digit(2, 17), 0);
  EXPECT_EQ(board.kind(2, 17), EntryKind::Pen);
  EXPECT_EQ(board.ink(2, 17), colours::kRed);
  EXPECT_EQ(spy.count(), 5);
}

TEST(Board, PartnerFollowsTheCurrentOrder) {
  Board board;
  EXPECT_FALSE(board.partner({1, 81}).has_value());
  board.setComboOrder(2);
  EXPECT_EQ(board.partner({1, 81}), (CellRef{2, 1}));
  EXPECT_FALSE(board.partner({2, 9}).has_value());
  board.setComboOrder(3);
  EXPECT_EQ(board.partner({2, 9}), (CellRef{3, 73}));
}

TEST(Board, DigitsOfAGridAreInPositionOrder) {
  Board board;
  board.setDigit(3, 1, 4);
  board.setDigit(3, 81, 9);
  const GridDigits digits = board.digitsOf(3);
  EXPECT_EQ(digits[0], 4);
  EXPECT_EQ(digits[80], 9);
  EXPECT_EQ(std::count(digits.begin(), digits.end(), 0), 79);
}

}  // namespace
}  // namespace varelo
