// The rule checks in their three roles: search, clash marking, counting.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/Board.h"
#include "core/RuleChecks.h"

namespace varelo {
namespace {

struct RecordingHook : ClashHook {
  std::vector<std::pair<int, int>> marks;
  void MarkClash(int grid, int cell) override { marks.emplace_back(grid, cell); }
};

class RuleChecksTest : public ::testing::Test {
 protected:
  RuleChecksTest() : checks(board, &work) { checks.setClashHook(&hook); }
  Board board;
  GridDigits work{};
  RuleChecks checks;
  RecordingHook hook;
};

TEST_F(RuleChecksTest, SearchModeComparesWorkDigitsByPosition) {
  // Position 10 is row 2, column 2, box 1.
  work[10] = 0;
  work[9] = 5;
  work[11] = 5;
  EXPECT_EQ(checks.CheckRow(10, CheckMode::Search), 1) << "an empty position never clashes";
  work[10] = 5;
  EXPECT_EQ(checks.CheckRow(10, CheckMode::Search), 0);
  work[9] = work[11] = 0;
  work[64] = 5;  // row 8, column 2
  EXPECT_EQ(checks.CheckRow(10, CheckMode::Search), 1);
  EXPECT_EQ(checks.CheckColumn(10, CheckMode::Search), 0);
  work[64] = 0;
  work[20] = 5;  // row 3, column 3: same box only
  EXPECT_EQ(checks.CheckColumn(10, CheckMode::Search), 1);
  EXPECT_EQ(checks.CheckBlock(10, CheckMode::Search), 0);
  EXPECT_TRUE(hook.marks.empty()) << "search mode marks nothing";
  // Search mode never looks at the board.
  board.setDigit(0, 12, 5);
  work[20] = 0;
  EXPECT_TRUE(checks.CheckCell(10, CheckMode::Search));
}

TEST_F(RuleChecksTest, MarkingModeReportsOnlyTheFirstClashOfEachUnit) {
  // Row 1 holds 7 at cells 2 and 6; 7 is entered at cell 9.
  board.setDigit(0, 2, 7);
  board.setDigit(0, 6, 7);
  board.setDigit(0, 9, 7);
  EXPECT_EQ(checks.CheckRow(9, CheckMode::Grid0), 0);
  ASSERT_EQ(hook.marks.size(), 1u);
  EXPECT_EQ(hook.marks[0], std::make_pair(0, 2)) << "the leftmost clash";
}

TEST_F(RuleChecksTest, FullCheckRunsAllThreeAndACellCanBeMarkedTwice) {
  // Cell 11 (row 2, box 1) holds the 4 that clashes with cell 10 in its row
  // and its box; cell 47 clashes in its column.
  board.setDigit(1, 10, 4);
  board.setDigit(1, 47, 4);
  board.setDigit(1, 11, 4);
  EXPECT_FALSE(checks.CheckCell(11, CheckMode::Grid1));
  const std::vector<std::pair<int, int>> expected{{1, 10}, {1, 47}, {1, 10}};
  EXPECT_EQ(hook.marks, expected);
}

TEST_F(RuleChecksTest, EachMarkingModeTestsItsOwnGrid) {
  for (int grid = 0; grid <= 4; ++grid) {
    board.setDigit(grid, 1, 3);
    board.setDigit(grid, 81, 3);  // no common unit with cell 1 or cell 5
    board.setDigit(grid, 5, 3);   // same row as cell 1
  }
  for (int grid = 0; grid <= 4; ++grid) {
    hook.marks.clear();
    EXPECT_TRUE(checks.CheckCell(81, MarkingMode(grid)));
    EXPECT_FALSE(checks.CheckCell(1, MarkingMode(grid)));
    ASSERT_EQ(hook.marks.size(), 1u);
    EXPECT_EQ(hook.marks[0], std::make_pair(grid, 5));
  }
  EXPECT_EQ(MarkingMode(0), CheckMode::Grid0);
  EXPECT_EQ(static_cast<int>(MarkingMode(3)), 13);
}

TEST_F(RuleChecksTest, CountingLeavesTheDigitsMissingFromAllThreeUnits) {
  EXPECT_EQ(checks.CountCandidates(41), 9) << "an empty grid leaves all nine";
  for (int i = 0; i < 9; ++i) EXPECT_EQ(checks.candidates().at(i), i + 1);

  // Cell 41 (row 5, column 5, box 5): 1 and 2 in the row, 2 and 3 in the
  // column, 4 in the box and 1 again in the box.
  board.setDigit(0, 37, 1);
  board.setDigit(0, 45, 2);
  board.setDigit(0, 5, 2);
  board.setDigit(0, 77, 3);
  board.setDigit(0, 31, 4);
  board.setDigit(0, 51, 1);
  EXPECT_EQ(checks.CheckRow(41, CheckMode::Count), 2);
  EXPECT_EQ(checks.CheckColumn(41, CheckMode::Count), 1) << "2 was struck by the row";
  EXPECT_EQ(checks.CheckBlock(41, CheckMode::Count), 1);
  const std::vector<int> expected{5, 6, 7, 8, 9};
  std::vector<int> left;
  for (int i = 0; i < checks.candidates().size(); ++i) left.push_back(checks.candidates().at(i));
  EXPECT_EQ(left, expected);
  EXPECT_TRUE(hook.marks.empty());
}

TEST_F(RuleChecksTest, AFullNeighbourhoodLeavesNoCandidate) {
  // Row 1 holds 1..8 around the empty cell 5; the column adds 9.
  const int row[] = {1, 2, 3, 4, 0, 5, 6, 7, 8};
  for (int c = 1; c <= 9; ++c) board.setDigit(0, c, row[c - 1]);
  board.setDigit(0, 77, 9);
  EXPECT_EQ(checks.CountCandidates(5), 0);
  board.setDigit(0, 77, 0);
  EXPECT_EQ(checks.CountCandidates(5), 1);
  EXPECT_EQ(checks.candidates().at(0), 9);
  // The cell's own digit is struck too; the hint never counts a filled cell.
  board.setDigit(0, 5, 9);
  EXPECT_EQ(checks.CountCandidates(5), 0);
}

TEST(ClashFree, TestsAPositionOnABareArray) {
  GridDigits digits{};
  digits[72] = 6;
  EXPECT_TRUE(ClashFree(digits, 72));
  digits[80] = 6;  // same row
  EXPECT_FALSE(ClashFree(digits, 72));
  digits[80] = 0;
  digits[0] = 6;  // same column
  EXPECT_FALSE(ClashFree(digits, 72));
  digits[0] = 0;
  digits[64] = 6;  // same box
  EXPECT_FALSE(ClashFree(digits, 72));
  digits[72] = 0;
  EXPECT_TRUE(ClashFree(digits, 72));
}

}  // namespace
}  // namespace varelo
