// RandomFill: the random first row, the corner rules of grids 2 and 3, the
// completion in search order, and the test file.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/Board.h"
#include "core/RandomSource.h"
#include "solver/LiteralSearch.h"
#include "solver/PuzzleFactory.h"
#include "solver/RandomFill.h"

namespace varelo::testing {
namespace {

RandomFillRequest Replay() {
  RandomFillRequest request;
  request.reseedFromClock = false;
  return request;
}

bool Complete(const GridDigits& digits) {
  return std::find(digits.begin(), digits.end(), 0) == digits.end() && Consistent(digits);
}

TEST(RandomFill, FirstRowIsRandomTheRestIsTheFirstCompletionInSearchOrder) {
  RandomSource random;
  for (int seed = 1; seed <= 40; ++seed) {
    random.Reseed(-seed);
    SearchState state;
    const RandomFillResult result = RandomFill(state, random, Replay());
    EXPECT_FALSE(result.usedTestFile);
    ASSERT_TRUE(Complete(state.SolutionDigits)) << FormatGrid(state.SolutionDigits);
    for (int p = 0; p < 81; ++p) EXPECT_EQ(state.DigitFromSource[p], p < 9) << p;
    EXPECT_TRUE(state.DigitBag.empty());

    // The literal search from the same first row reaches the same grid.
    Board board;
    reference::LiteralSearch literal(board);
    literal.state.SolutionDigits.fill(0);
    literal.state.DigitFromSource.fill(false);
    for (int p = 0; p < 9; ++p) {
      literal.state.SolutionDigits[p] = state.SolutionDigits[p];
      literal.state.DigitFromSource[p] = true;
    }
    literal.state.Solving = true;
    ASSERT_EQ(literal.RunSearch(), reference::LoopEnd::Complete);
    EXPECT_EQ(literal.state.SolutionDigits, state.SolutionDigits);
  }
}

TEST(RandomFill, FirstRowsVaryAndReplayFromASeed) {
  RandomSource random;
  std::set<std::string> rows;
  for (int seed = 1; seed <= 30; ++seed) {
    random.Reseed(-seed);
    SearchState state;
    RandomFill(state, random, Replay());
    rows.insert(FormatGrid(state.SolutionDigits).substr(0, 9));
  }
  EXPECT_GT(rows.size(), 25u);

  SearchState a, b;
  random.Reseed(-7);
  RandomFill(a, random, Replay());
  random.Reseed(-7);
  RandomFill(b, random, Replay());
  EXPECT_EQ(a.SolutionDigits, b.SolutionDigits);
}

TEST(RandomFill, Grid2StartsWithTheCornerOfGrid1) {
  RandomSource random;
  for (int corner = 1; corner <= 9; ++corner) {
    random.Reseed(-corner);
    SearchState state;
    state.WorkGrid = 2;
    state.SharedDigit12 = corner;
    RandomFillRequest request = Replay();
    request.comboOrder = 2;
    RandomFill(state, random, request);
    EXPECT_EQ(state.SolutionDigits[0], corner);
    EXPECT_TRUE(Complete(state.SolutionDigits));
  }
}

TEST(RandomFill, Grid3HoldsTheCornerOfGrid2AtCell73) {
  RandomSource random;
  for (int corner = 1; corner <= 9; ++corner) {
    random.Reseed(-10 - corner);
    SearchState state;
    state.WorkGrid = 3;
    state.SharedDigit23 = corner;
    RandomFillRequest request = Replay();
    request.comboOrder = 3;
    RandomFill(state, random, request);
    EXPECT_EQ(state.SolutionDigits[72], corner);
    EXPECT_TRUE(state.DigitFromSource[72]);
    EXPECT_NE(state.SolutionDigits[0], corner);
    EXPECT_TRUE(Complete(state.SolutionDigits));
  }
}

TEST(RandomFill, MissingCarriedCornerDoesNotHang) {
  // Grid 2 without a corner from grid 1 would start the row over for ever.
  RandomSource random;
  random.Reseed(-3);
  SearchState state;
  state.WorkGrid = 2;
  state.SharedDigit12 = 0;
  RandomFillRequest request = Replay();
  request.comboOrder = 2;
  RandomFill(state, random, request);
  EXPECT_TRUE(Complete(state.SolutionDigits));
}

class TestFile : public ::testing::Test {
 protected:
  QString Write(const QByteArray& content) {
    const QString path = dir.filePath(QStringLiteral("test.txt"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    return path;
  }
  RandomFillResult Fill(const QString& path, int order = 0, bool randomMode = true) {
    RandomFillRequest request = Replay();
    request.testFilePath = path;
    request.comboOrder = order;
    request.randomMode = randomMode;
    random.Reseed(-1);
    return RandomFill(state, random, request);
  }

  QTemporaryDir dir;
  RandomSource random;
  SearchState state;
};

constexpr char kPuzzle[] = "800000000003600000070090200050007000000045700000100030001000068008500010090000400";

TEST_F(TestFile, GivesItsDigitsWhateverTheLayout) {
  QByteArray spaced;
  for (int p = 0; p < 81; ++p) {
    spaced += kPuzzle[p];
    spaced += p % 9 == 8 ? "\r\n" : (p % 3 == 2 ? "  " : " ");
  }
  for (const QByteArray& content : {QByteArray(kPuzzle), spaced}) {
    state = {};
    const RandomFillResult result = Fill(Write(content));
    EXPECT_TRUE(result.usedTestFile);
    EXPECT_EQ(result.errorCode, 0);
    EXPECT_EQ(FormatGrid(state.SolutionDigits), kPuzzle);
    for (int p = 0; p < 81; ++p) EXPECT_EQ(state.DigitFromSource[p], kPuzzle[p] != '0') << p;
  }
}

TEST_F(TestFile, TakesTheFirst81DigitsAndLeavesTheRestOfAShortFileEmpty) {
  Fill(Write(QByteArray(kPuzzle) + "123456789"));
  EXPECT_EQ(FormatGrid(state.SolutionDigits), kPuzzle);

  state = {};
  Fill(Write("12x3\n45-6"));  // six digits; letters and signs are skipped
  EXPECT_EQ(FormatGrid(state.SolutionDigits), "123456" + std::string(75, '0'));
  for (int p = 6; p < 81; ++p) EXPECT_FALSE(state.DigitFromSource[p]);
}

TEST_F(TestFile, OnlyRandomModeWithASingleGridReadsIt) {
  const QString path = Write(kPuzzle);
  EXPECT_FALSE(Fill(path, 0, false).usedTestFile);
  EXPECT_TRUE(Complete(state.SolutionDigits));
  state = {};
  EXPECT_FALSE(Fill(path, 2, true).usedTestFile);
  EXPECT_TRUE(Complete(state.SolutionDigits));
  state = {};
  EXPECT_FALSE(Fill(dir.filePath(QStringLiteral("absent.txt"))).usedTestFile);
  EXPECT_TRUE(Complete(state.SolutionDigits));
}

TEST_F(TestFile, UnreadableFileReportsAnErrorCode) {
  const QString path = dir.filePath(QStringLiteral("test.txt"));
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("test.txt")));  // a folder by that name
  const RandomFillResult result = Fill(path);
  EXPECT_FALSE(result.usedTestFile);
  EXPECT_NE(result.errorCode, 0);
}

}  // namespace
}  // namespace varelo::testing
