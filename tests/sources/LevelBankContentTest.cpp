// Every rule of the level bank's contents, checked on every run: form,
// validity, distinctness, the fixed rows, the givens distribution, unique
// solutions and a difficulty that never falls from one level to the next.

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "grading/PuzzleGrader.h"
#include "solver/FastSolver.h"
#include "sources/LevelBank.h"
#include "sources/LevelBankData.h"
#include "sources/SourcesTestSupport.h"
#include "support/TempSettings.h"

namespace varelo {
namespace {

using testing::Digits;

constexpr int kLevels = 1999;
constexpr int kCompleteGrids = 50;

const std::map<int, std::string_view>& FixedRows() {
  static const std::map<int, std::string_view> rows = {
      {1, "172396854596874231384521769243619587759482613861753942437265198618937425925148376"},
      {50, "724369851936851472581472693269143587143587269875296134497625318618934725352718946"},
      {51, "001000009500003800060002100000070084000401000240030000005600030007200005800000700"},
      {71, "081600090000000000004037600600400500030000070007002004005210300000000000070004810"},
      {1999, "000700030300009000000300176004200300600000005008005200892001000000400008050008000"},
  };
  return rows;
}

std::string_view Entry(int level) { return level_data::Entries()[level - 1]; }

TEST(LevelBankContent, EveryEntryIs81DigitsAndNoTwoAreEqual) {
  ASSERT_EQ(level_data::Entries().size(), static_cast<std::size_t>(kLevels));
  std::set<std::string_view> seen;
  for (int level = 1; level <= kLevels; ++level) {
    const std::string_view text = Entry(level);
    ASSERT_EQ(text.size(), 81u) << level;
    EXPECT_EQ(text.find_first_not_of("0123456789"), std::string_view::npos) << level;
    EXPECT_TRUE(seen.insert(text).second) << "level " << level << " repeats an earlier one";
  }
}

TEST(LevelBankContent, TheFixedRowsStandWhereTheyBelong) {
  for (const auto& [level, text] : FixedRows()) EXPECT_EQ(Entry(level), text) << level;
}

TEST(LevelBankContent, Levels1To50AreCompleteValidGrids) {
  for (int level = 1; level <= kCompleteGrids; ++level)
    EXPECT_TRUE(testing::FollowsTheRule(Digits(Entry(level)), true)) << level;
}

TEST(LevelBankContent, PuzzlesAreValidUniqueAndFollowTheGivensTable) {
  QElapsedTimer timer;
  timer.start();
  std::map<int, int> byGivens;
  for (int level = kCompleteGrids + 1; level <= kLevels; ++level) {
    const GridDigits puzzle = Digits(Entry(level));
    ++byGivens[testing::GivensOf(puzzle)];
    EXPECT_TRUE(testing::FollowsTheRule(puzzle, false)) << level;
    EXPECT_EQ(fast::CountSolutions(puzzle, 2), 1) << "level " << level;
  }
  const std::map<int, int> expected = {{19, 1},   {20, 2},   {21, 18}, {22, 139}, {23, 398}, {24, 610},
                                       {25, 533}, {26, 192}, {27, 34}, {28, 20},  {29, 2}};
  EXPECT_EQ(byGivens, expected);
  std::printf("[ timing   ] uniqueness of 1949 puzzles: %lld ms\n", static_cast<long long>(timer.elapsed()));
}

TEST(LevelBankContent, DifficultyNeverFallsFromOneLevelToTheNext) {
  QElapsedTimer timer;
  timer.start();
  std::optional<grading::Grade> previous;
  int previousLevel = 0;
  for (int level = kCompleteGrids + 1; level <= kLevels; ++level) {
    if (FixedRows().count(level)) continue;  // the fixed rows keep their places
    const auto grade = grading::GradePuzzle(Digits(Entry(level)));
    ASSERT_TRUE(grade.has_value()) << level;
    if (previous) {
      EXPECT_LE(*previous, *grade) << "level " << level << " is easier than level " << previousLevel;
    }
    previous = grade;
    previousLevel = level;
  }
  EXPECT_GT(previous->hardest, grading::Technique::NakedSingle);  // the bank does climb
  std::printf("[ timing   ] grading of 1946 puzzles: %lld ms\n", static_cast<long long>(timer.elapsed()));
}

TEST(LevelBankContent, TheTableHasRoomBeyondTheLastLevel) {
  testing::TempSettings temp;
  LevelBank bank(temp.store());
  bank.LoadLevelBank();
  bank.LoadRest();
  EXPECT_EQ(bank.entry(kLevels), QString::fromLatin1(Entry(kLevels).data(), 81));
  for (int n : {kLevels + 1, 4000, LevelBank::kCapacity}) EXPECT_TRUE(bank.entry(n).isEmpty()) << n;
  for (int n : {0, -1, LevelBank::kCapacity + 1}) EXPECT_TRUE(bank.entry(n).isEmpty()) << n;
}

}  // namespace
}  // namespace varelo
