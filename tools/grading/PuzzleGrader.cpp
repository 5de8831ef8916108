#include "grading/PuzzleGrader.h"

#include <algorithm>
#include <bit>

#include "grading/CandidateGrid.h"
#include "grading/Eliminations.h"
#include "grading/Singles.h"

namespace varelo::grading {

namespace {

// A single found among many is cheap; the last one left costs this much.
constexpr int kLoneSingleCost = 120;

struct Step {
  Technique technique;
  int cost;
  bool (*apply)(CandidateGrid&);
};

// Tried in this order after the singles; the first that strikes a candidate
// wins the step.
constexpr Step kEliminationSteps[] = {
    {Technique::LockedCandidates, 300, [](CandidateGrid& g) { return LockedCandidates(g); }},
    {Technique::Pair, 500, [](CandidateGrid& g) { return NakedSubset(g, 2); }},
    {Technique::Pair, 600, [](CandidateGrid& g) { return HiddenSubset(g, 2); }},
    {Technique::Triple, 800, [](CandidateGrid& g) { return NakedSubset(g, 3); }},
    {Technique::Triple, 900, [](CandidateGrid& g) { return HiddenSubset(g, 3); }},
    {Technique::XWing, 1000, [](CandidateGrid& g) { return Fish(g, 2); }},
    {Technique::Wing, 1200, [](CandidateGrid& g) { return XyWing(g); }},
    {Technique::Wing, 1300, [](CandidateGrid& g) { return XyzWing(g); }},
    {Technique::SwordfishOrQuad, 1500, [](CandidateGrid& g) { return Fish(g, 3); }},
    {Technique::SwordfishOrQuad, 1800, [](CandidateGrid& g) { return NakedSubset(g, 4); }},
    {Technique::SwordfishOrQuad, 2000, [](CandidateGrid& g) { return HiddenSubset(g, 4); }},
    {Technique::Trial, 2500, [](CandidateGrid& g) { return BivalueTrial(g); }},
};

// A step beyond every technique above: the grader looks the digit up in the
// solution, at the cell with the fewest candidates.
constexpr int kRevealCost = 4000;

int FewestCandidatesCell(const CandidateGrid& grid) {
  int best = -1;
  for (int p = 0; p < 81; ++p) {
    if (grid.digit(p) != 0) continue;
    if (best < 0 || CountOf(grid.candidates(p)) < CountOf(grid.candidates(best))) best = p;
  }
  return best;
}

// Plain backtracking on the marks, the most constrained cell first.
bool Solve(CandidateGrid& grid) {
  if (!PropagateSingles(grid)) return false;
  if (grid.emptyCount() == 0) return true;
  const int cell = FewestCandidatesCell(grid);
  for (Mask left = grid.candidates(cell); left != 0; left &= left - 1) {
    CandidateGrid next = grid;
    next.Place(cell, std::countr_zero(left) + 1);
    if (Solve(next)) {
      grid = next;
      return true;
    }
  }
  return false;
}

void Record(Grade& grade, Technique technique, int cost) {
  grade.hardest = std::max(grade.hardest, technique);
  grade.score += cost;
}

// One step of a human solver; false when no technique applies.
bool TakeStep(CandidateGrid& grid, Grade& grade) {
  const SinglesScan singles = ScanSingles(grid);
  const int singleCost = kLoneSingleCost / std::max(singles.available, 1);
  if (singles.hidden.found()) {
    grid.Place(singles.hidden.position, singles.hidden.digit);
    Record(grade, Technique::HiddenSingle, singleCost);
    return true;
  }
  if (singles.naked.found()) {
    grid.Place(singles.naked.position, singles.naked.digit);
    Record(grade, Technique::NakedSingle, singleCost);
    return true;
  }
  for (const Step& step : kEliminationSteps) {
    if (step.apply(grid)) {
      Record(grade, step.technique, step.cost);
      return true;
    }
  }
  return false;
}

}  // namespace

std::string_view TechniqueName(Technique technique) {
  switch (technique) {
    case Technique::HiddenSingle: return "hidden single";
    case Technique::NakedSingle: return "naked single";
    case Technique::LockedCandidates: return "locked candidates";
    case Technique::Pair: return "pair";
    case Technique::Triple: return "triple";
    case Technique::XWing: return "X-wing";
    case Technique::Wing: return "XY/XYZ-wing";
    case Technique::SwordfishOrQuad: return "swordfish/quad";
    case Technique::Trial: return "trial";
    case Technique::Beyond: return "beyond";
  }
  return "?";
}

std::optional<Grade> GradePuzzle(const GridDigits& puzzle) {
  CandidateGrid grid;
  if (!grid.Load(puzzle)) return std::nullopt;
  std::optional<GridDigits> solution;
  Grade grade;
  // Sound steps never break the marks of a puzzle with a solution; one
  // without gets stuck on a cell no step can fill, and the solution lookup
  // below then fails.
  while (grid.emptyCount() > 0) {
    if (TakeStep(grid, grade)) continue;
    if (!solution) solution = FirstSolution(puzzle);
    if (!solution) return std::nullopt;
    const int p = FewestCandidatesCell(grid);
    grid.Place(p, (*solution)[p]);
    Record(grade, Technique::Beyond, kRevealCost);
  }
  return grade;
}

std::optional<GridDigits> FirstSolution(const GridDigits& puzzle) {
  CandidateGrid grid;
  if (!grid.Load(puzzle) || !Solve(grid)) return std::nullopt;
  return grid.digits();
}

}  // namespace varelo::grading
