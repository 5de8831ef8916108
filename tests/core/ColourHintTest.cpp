// Colour-hint grading: which cells are painted, with what, and when a cell
// keeps its colour.

#include <gtest/gtest.h>

#include "core/Board.h"
#include "core/ColourHint.h"
#include "core/RandomSource.h"
#include "core/RuleChecks.h"
#include "support/TempSettings.h"

namespace varelo {
namespace {

// A valid complete grid; clearing cells from it gives positions with known counts.
constexpr char kSolution[] = "172396854596874231384521769243619587759482613861753942437265198618937425925148376";

class ColourHintTest : public ::testing::Test {
 protected:
  ColourHintTest() : checks(board, &work), hint(board, checks, random, settings.store()) { random.Reseed(-42); }

  void LoadSolutionExcept(std::initializer_list<int> emptyCells) {
    for (int n = 1; n <= 81; ++n) {
      board.setDigit(0, n, kSolution[n - 1] - '0');
      board.setKind(0, n, EntryKind::Given);
    }
    for (int n : emptyCells) board.clearEntry(0, n);
  }

  Board board;
  GridDigits work{};
  RuleChecks checks;
  RandomSource random;
  testing::TempSettings settings;
  ColourHint hint;
};

// A hint colour is one or two lit channels with the brightness of its count.
void ExpectHintColour(Rgb colour, int count) {
  struct Range {
    int low, high;
  };
  const Range one[] = {{96, 131}, {132, 167}, {168, 203}, {204, 239}, {240, 255}, {255, 255}, {255, 255}, {255, 255}};
  const Range two[] = {{88, 120}, {121, 153}, {154, 186}, {187, 219}, {220, 252}, {253, 255}, {255, 255}, {255, 255}};
  int lit = 0;
  for (int v : {colour.r, colour.g, colour.b}) lit += v != 0;
  ASSERT_TRUE(lit == 1 || lit == 2) << int(colour.r) << "," << int(colour.g) << "," << int(colour.b);
  const Range range = lit == 1 ? one[count - 2] : two[count - 2];
  for (int v : {colour.r, colour.g, colour.b}) {
    if (v == 0) continue;
    EXPECT_GE(v, range.low) << "count " << count;
    EXPECT_LE(v, range.high) << "count " << count;
  }
}

TEST_F(ColourHintTest, EveryCountGetsItsShadeAndAllSixHuesOccur) {
  EXPECT_EQ((hint.PickHintColour(5, 0), board.shade(5)), colours::kWhite);
  EXPECT_EQ((hint.PickHintColour(5, 1), board.shade(5)), colours::kBlack);
  int hues[8] = {};
  for (int count = 2; count <= 9; ++count) {
    for (int i = 0; i < 400; ++i) {
      hint.PickHintColour(7, count);
      const Rgb c = board.shade(7);
      ExpectHintColour(c, count);
      hues[(c.r != 0) * 4 + (c.g != 0) * 2 + (c.b != 0)]++;
    }
  }
  // red, green, blue, cyan, magenta and yellow all appear; black and white never.
  for (int mask : {4, 2, 1, 3, 5, 6}) EXPECT_GT(hues[mask], 100) << mask;
  EXPECT_EQ(hues[0] + hues[7], 0);
}

TEST_F(ColourHintTest, TwoDrawsAreMadeOnEveryCall) {
  RandomSource twin;
  random.Reseed(-9);
  twin.Reseed(-9);
  hint.PickHintColour(1, 0);
  hint.PickHintColour(1, 1);
  twin.Next(), twin.Next(), twin.Next(), twin.Next();
  EXPECT_EQ(random.Next(), twin.Next());
}

TEST_F(ColourHintTest, FilledCellsAreWhiteAndCountsGiveBlackAndWhite) {
  // Row 1 holds 1..7 (givens, a pen and a pencil digit): cells 8 and 9 keep
  // the two candidates 8 and 9.
  for (int n = 1; n <= 7; ++n) {
    board.setDigit(0, n, n);
    board.setKind(0, n, n == 2 ? EntryKind::Pen : n == 3 ? EntryKind::Pencil : EntryKind::Given);
  }
  hint.RefreshHints();
  for (int n = 1; n <= 7; ++n) EXPECT_EQ(board.background(0, n), colours::kWhite) << n;
  ExpectHintColour(board.background(0, 8), 2);
  ExpectHintColour(board.background(0, 9), 2);
  ExpectHintColour(board.background(0, 10), 6);  // 4..9
  EXPECT_EQ(board.candidateCache(8), 2);
  EXPECT_EQ(board.candidateCache(10), 6);

  // A 9 below cell 8 leaves both cells the single candidate 8: black.
  board.setDigit(0, 17, 9);
  hint.RefreshHints();
  EXPECT_EQ(board.background(0, 8), colours::kBlack);
  EXPECT_EQ(board.background(0, 9), colours::kBlack);
  // An 8 in their box leaves them nothing: white, the position is wrong.
  board.setDigit(0, 18, 8);
  hint.RefreshHints();
  EXPECT_EQ(board.background(0, 8), colours::kWhite);
  EXPECT_EQ(board.background(0, 9), colours::kWhite);
  EXPECT_EQ(board.candidateCache(9), 0);
}

TEST_F(ColourHintTest, AKeptCountKeepsItsColourAndAChangedCountRepaints) {
  LoadSolutionExcept({});
  for (int n = 1; n <= 27; ++n) board.clearEntry(0, n);  // three empty rows
  hint.RefreshHints();
  Rgb before[82];
  for (int n = 1; n <= 81; ++n) before[n] = board.background(0, n);
  hint.RefreshHints();
  for (int n = 1; n <= 81; ++n) EXPECT_EQ(board.background(0, n), before[n]) << n;

  // Filling cell 1 with its 1 takes that candidate from the cells of its
  // units whose column still misses a 1: cells 10 and 19 (column 1), cells 6
  // and 9 (row 1). The other cells keep their count and their colour.
  board.setDigit(0, 1, kSolution[0] - '0');
  board.setCandidateCache(1, Board::kCacheDigitEntered);
  hint.RefreshHints();
  EXPECT_EQ(board.background(0, 1), colours::kWhite);
  for (int n : {6, 9, 10, 19}) {
    EXPECT_EQ(board.candidateCache(n), 2) << n;
    EXPECT_NE(board.background(0, n), before[n]) << n;
    ExpectHintColour(board.background(0, n), 2);
  }
  for (int n : {2, 3, 8, 11, 20, 27}) EXPECT_EQ(board.background(0, n), before[n]) << n;
}

TEST_F(ColourHintTest, ANewPuzzleRepaintsEveryEmptyCell) {
  LoadSolutionExcept({40});
  hint.RefreshHints();
  ASSERT_EQ(board.background(0, 40), colours::kBlack);
  board.setShade(40, colours::kRed);  // a stale shade from the last game
  hint.RefreshHints();
  EXPECT_EQ(board.background(0, 40), colours::kRed) << "same count: left alone";
  board.resetCandidateCache();
  hint.RefreshHints();
  EXPECT_EQ(board.background(0, 40), colours::kBlack);
}

TEST_F(ColourHintTest, CheckerboardWhenOffInSolveModeOrInACombination) {
  LoadSolutionExcept({40, 41});
  auto expectCheckerboard = [&] {
    hint.RefreshHints();
    for (int n = 1; n <= 81; ++n) ASSERT_EQ(board.background(0, n), colours::Checkerboard(n)) << n;
  };
  settings.store().Write(SettingKey::ColourHint, QStringLiteral("0"));
  expectCheckerboard();
  settings.store().Write(SettingKey::ColourHint, QStringLiteral("1"));
  hint.RefreshHints();
  EXPECT_EQ(board.background(0, 1), colours::kWhite) << "1 turns the hint on";

  board.setInSolveMode(true);
  expectCheckerboard();
  board.setInSolveMode(false);
  board.setComboOrder(3);
  expectCheckerboard();
  board.setComboOrder(0);
  settings.store().Write(SettingKey::ColourHint, QStringLiteral("2"));
  board.resetCandidateCache();
  hint.RefreshHints();
  EXPECT_EQ(board.background(0, 1), colours::kWhite) << "the default 2 shows the hint";
}

}  // namespace
}  // namespace varelo
