// The grader: each technique finds its textbook pattern, no technique ever
// strikes a digit of the solution, and the grade of simple cases.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grading/CandidateGrid.h"
#include "grading/Eliminations.h"
#include "grading/PuzzleGrader.h"
#include "grading/Singles.h"
#include "sources/LevelBankData.h"
#include "sources/SourcesTestSupport.h"

namespace varelo::grading {
namespace {

using testing::Digits;

constexpr int At(int row, int column) { return row * 9 + column; }

Mask Only(std::initializer_list<int> digits) {
  Mask mask = 0;
  for (int d : digits) mask |= Bit(d);
  return mask;
}

// Every cell empty with every candidate, then cell p narrowed to `keep`.
struct Marks {
  CandidateGrid grid;
  Marks() { EXPECT_TRUE(grid.Load(GridDigits{})); }
  void Narrow(int p, Mask keep) { grid.Eliminate(p, static_cast<Mask>(kAllDigits & ~keep)); }
  void Strike(int p, int digit) { grid.Eliminate(p, Bit(digit)); }
  bool Has(int p, int digit) const { return grid.candidates(p) & Bit(digit); }
};

TEST(GraderTechniques, PointingStrikesTheLineOutsideTheBox) {
  Marks m;
  for (int p : {At(1, 0), At(1, 1), At(1, 2), At(2, 0), At(2, 1), At(2, 2)}) m.Strike(p, 5);
  ASSERT_TRUE(LockedCandidates(m.grid));
  for (int column = 3; column < 9; ++column) EXPECT_FALSE(m.Has(At(0, column), 5)) << column;
  EXPECT_TRUE(m.Has(At(0, 0), 5));
  EXPECT_TRUE(m.Has(At(3, 0), 5));
}

TEST(GraderTechniques, ClaimingStrikesTheBoxOutsideTheLine) {
  Marks m;
  for (int column : {0, 1, 2, 6, 7, 8}) m.Strike(At(4, column), 7);
  ASSERT_TRUE(LockedCandidates(m.grid));
  for (int row : {3, 5})
    for (int column : {3, 4, 5}) EXPECT_FALSE(m.Has(At(row, column), 7)) << row << column;
  EXPECT_TRUE(m.Has(At(4, 4), 7));
  EXPECT_TRUE(m.Has(At(3, 0), 7));
}

TEST(GraderTechniques, NakedPairAndHiddenPair) {
  Marks naked;
  naked.Narrow(At(0, 0), Only({1, 2}));
  naked.Narrow(At(0, 1), Only({1, 2}));
  ASSERT_TRUE(NakedSubset(naked.grid, 2));
  for (int column = 2; column < 9; ++column) {
    EXPECT_FALSE(naked.Has(At(0, column), 1));
    EXPECT_FALSE(naked.Has(At(0, column), 2));
  }
  Marks untouched;
  EXPECT_FALSE(NakedSubset(untouched.grid, 2));

  Marks hidden;
  for (int column : {0, 1, 2, 3, 5, 6, 8}) {
    hidden.Strike(At(0, column), 3);
    hidden.Strike(At(0, column), 4);
  }
  ASSERT_TRUE(HiddenSubset(hidden.grid, 2));
  EXPECT_EQ(hidden.grid.candidates(At(0, 4)), Only({3, 4}));
  EXPECT_EQ(hidden.grid.candidates(At(0, 7)), Only({3, 4}));
}

TEST(GraderTechniques, NakedTripleSpreadOverThreeCells) {
  Marks m;
  m.Narrow(At(2, 0), Only({1, 2}));
  m.Narrow(At(2, 4), Only({2, 3}));
  m.Narrow(At(2, 8), Only({1, 3}));
  EXPECT_FALSE(NakedSubset(m.grid, 2));
  ASSERT_TRUE(NakedSubset(m.grid, 3));
  EXPECT_EQ(m.grid.candidates(At(2, 1)), Only({4, 5, 6, 7, 8, 9}));
}

TEST(GraderTechniques, XWingStrikesTheCoverColumns) {
  Marks m;
  for (int row : {1, 5})
    for (int column = 0; column < 9; ++column)
      if (column != 2 && column != 7) m.Strike(At(row, column), 6);
  ASSERT_TRUE(Fish(m.grid, 2));
  EXPECT_FALSE(m.Has(At(0, 2), 6));
  EXPECT_FALSE(m.Has(At(3, 7), 6));
  EXPECT_TRUE(m.Has(At(1, 2), 6));
  EXPECT_TRUE(m.Has(At(5, 7), 6));
  EXPECT_TRUE(m.Has(At(0, 3), 6));
}

TEST(GraderTechniques, XyWingAndXyzWing) {
  Marks xy;
  xy.Narrow(At(0, 0), Only({1, 2}));  // pivot
  xy.Narrow(At(0, 5), Only({1, 3}));
  xy.Narrow(At(3, 0), Only({2, 3}));
  ASSERT_TRUE(XyWing(xy.grid));
  EXPECT_FALSE(xy.Has(At(3, 5), 3));  // sees both pincers
  EXPECT_TRUE(xy.Has(At(3, 6), 3));

  Marks xyz;
  xyz.Narrow(At(0, 0), Only({1, 2, 3}));  // pivot
  xyz.Narrow(At(0, 1), Only({1, 3}));
  xyz.Narrow(At(1, 0), Only({2, 3}));
  ASSERT_TRUE(XyzWing(xyz.grid));
  for (int p : {At(0, 2), At(1, 1), At(2, 2)}) EXPECT_FALSE(xyz.Has(p, 3)) << p;
  EXPECT_TRUE(xyz.Has(At(0, 3), 3));  // does not see the pincer below the pivot
}

TEST(GraderTechniques, TrialRefutesADigitThatBreaksTheMarks) {
  Marks m;
  m.Narrow(At(0, 0), Only({1, 2}));
  m.Narrow(At(0, 1), Only({1, 3}));
  m.Narrow(At(0, 2), Only({1, 3}));
  ASSERT_TRUE(BivalueTrial(m.grid));
  EXPECT_EQ(m.grid.candidates(At(0, 0)), Only({2}));
}

bool KeepsSolution(const CandidateGrid& grid, const GridDigits& solution) {
  for (int p = 0; p < 81; ++p) {
    if (grid.digit(p) != 0 ? grid.digit(p) != solution[p] : !(grid.candidates(p) & Bit(solution[p]))) return false;
  }
  return true;
}

const std::vector<std::pair<std::string, std::function<bool(CandidateGrid&)>>>& AllTechniques() {
  static const std::vector<std::pair<std::string, std::function<bool(CandidateGrid&)>>> all = {
      {"locked candidates", LockedCandidates},
      {"naked pair", [](CandidateGrid& g) { return NakedSubset(g, 2); }},
      {"hidden pair", [](CandidateGrid& g) { return HiddenSubset(g, 2); }},
      {"naked triple", [](CandidateGrid& g) { return NakedSubset(g, 3); }},
      {"hidden triple", [](CandidateGrid& g) { return HiddenSubset(g, 3); }},
      {"X-wing", [](CandidateGrid& g) { return Fish(g, 2); }},
      {"XY-wing", XyWing},
      {"XYZ-wing", XyzWing},
      {"swordfish", [](CandidateGrid& g) { return Fish(g, 3); }},
      {"naked quad", [](CandidateGrid& g) { return NakedSubset(g, 4); }},
      {"hidden quad", [](CandidateGrid& g) { return HiddenSubset(g, 4); }},
      {"trial", BivalueTrial},
  };
  return all;
}

// Walks the puzzle as the grader does; on the way every technique is tried
// on a copy of the marks and must leave the solution intact.
void CheckSoundAlongTheWay(const GridDigits& puzzle, const GridDigits& solution, int level) {
  CandidateGrid grid;
  ASSERT_TRUE(grid.Load(puzzle));
  for (int step = 0; grid.emptyCount() > 0; ++step) {
    if (step % 3 == 0) {
      for (const auto& [name, technique] : AllTechniques()) {
        CandidateGrid copy = grid;
        technique(copy);
        ASSERT_TRUE(KeepsSolution(copy, solution)) << name << " at level " << level;
      }
    }
    const SinglesScan singles = ScanSingles(grid);
    const Placement single = singles.hidden.found() ? singles.hidden : singles.naked;
    if (single.found()) {
      ASSERT_EQ(single.digit, solution[single.position]) << "single at level " << level;
      grid.Place(single.position, single.digit);
      continue;
    }
    bool progressed = false;
    for (const auto& [name, technique] : AllTechniques())
      if ((progressed = technique(grid))) break;
    if (!progressed) {
      for (int p = 0; p < 81; ++p)
        if (grid.digit(p) == 0) {
          grid.Place(p, solution[p]);
          break;
        }
    }
    ASSERT_TRUE(KeepsSolution(grid, solution)) << "level " << level;
  }
}

TEST(PuzzleGrader, NoTechniqueEverStrikesTheSolution) {
  const auto entries = level_data::Entries();
  for (int level = 51; level <= level_data::kLevelCount; level += 7) {
    const GridDigits puzzle = Digits(entries[level - 1]);
    const auto solution = FirstSolution(puzzle);
    ASSERT_TRUE(solution.has_value()) << level;
    ASSERT_TRUE(testing::FollowsTheRule(*solution, true)) << level;
    for (int p = 0; p < 81; ++p) {
      if (puzzle[p] != 0) {
        ASSERT_EQ((*solution)[p], puzzle[p]) << level;
      }
    }
    CheckSoundAlongTheWay(puzzle, *solution, level);
  }
}

TEST(PuzzleGrader, SimpleCasesAndBrokenPuzzles) {
  GridDigits oneGap = Digits(testing::kSolvedGrid);
  oneGap[40] = 0;
  const auto lastCell = GradePuzzle(oneGap);
  ASSERT_TRUE(lastCell.has_value());
  EXPECT_EQ(lastCell->hardest, Technique::HiddenSingle);
  EXPECT_EQ(lastCell->score, 120);  // the one single on offer costs the most

  const auto solved = GradePuzzle(Digits(testing::kSolvedGrid));
  ASSERT_TRUE(solved.has_value());
  EXPECT_EQ(solved->score, 0);

  GridDigits clash{};
  clash[0] = 4;
  clash[8] = 4;
  EXPECT_FALSE(GradePuzzle(clash).has_value());
  EXPECT_FALSE(FirstSolution(clash).has_value());

  // Row 1 holds 1..8 and a 9 sits below its last cell: that cell has no digit.
  GridDigits dead{};
  for (int column = 0; column < 8; ++column) dead[column] = static_cast<unsigned char>(column + 1);
  dead[At(4, 8)] = 9;
  EXPECT_FALSE(GradePuzzle(dead).has_value());
}

TEST(PuzzleGrader, TheClassOutranksAnyScore) {
  EXPECT_LT((Grade{Technique::HiddenSingle, 1'000'000}), (Grade{Technique::NakedSingle, 0}));
  EXPECT_LT((Grade{Technique::Trial, 10}), (Grade{Technique::Trial, 11}));
  EXPECT_EQ(TechniqueName(Technique::XWing), "X-wing");
}

}  // namespace
}  // namespace varelo::grading
