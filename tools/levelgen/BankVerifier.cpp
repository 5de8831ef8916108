#include "BankVerifier.h"

#include <algorithm>
#include <map>
#include <set>

#include "BankLayout.h"
#include "GridMaker.h"

namespace levelgen {

namespace {

bool IsFixedLevel(int level) {
  return std::any_of(kFixedRows.begin(), kFixedRows.end(), [&](const FixedRow& row) { return row.level == level; });
}

std::string At(int level, const char* what) { return "level " + std::to_string(level) + ": " + what; }

}  // namespace

std::string VerifyBank(const std::vector<BankLine>& lines, std::vector<varelo::grading::Grade>& grades) {
  if (lines.size() != kLevelCount) return "wrong number of levels";
  std::set<std::string> seen;
  std::map<int, int> givensCount;
  grades.clear();
  for (int level = 1; level <= kLevelCount; ++level) {
    const std::string& text = lines[level - 1].text;
    if (text.size() != 81 || text.find_first_not_of("0123456789") != std::string::npos)
      return At(level, "not 81 digits");
    if (!seen.insert(text).second) return At(level, "repeats an earlier level");
    const GridDigits digits = FromText(text);
    if (!HasUniqueSolution(digits)) return At(level, "no unique solution");
    const int givens = GivensOf(digits);
    if (level <= kCompleteGridCount) {
      if (givens != 81) return At(level, "not a complete grid");
      continue;
    }
    ++givensCount[givens];
    grades.push_back(*varelo::grading::GradePuzzle(digits));
    if (level > kCompleteGridCount + 1 && !IsFixedLevel(level) && !IsFixedLevel(level - 1) &&
        grades.back() < grades[grades.size() - 2])
      return At(level, "easier than the level before");
  }
  for (const FixedRow& row : kFixedRows)
    if (lines[row.level - 1].text != row.text) return At(row.level, "differs from its fixed row");
  for (const GivensCount& g : kGivensDistribution)
    if (givensCount[g.givens] != g.puzzles) return "givens distribution differs";
  return {};
}

}  // namespace levelgen
