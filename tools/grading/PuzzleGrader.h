#pragma once
// Grades a puzzle the way a person would meet it: the grader solves it step
// by step, always with the easiest technique that makes progress, and keeps
// the hardest technique it needed (the class) and the effort summed over all
// steps (the score). The mission levels are ordered by this grade, and the
// bank's test checks that order with this same code.

#include <compare>
#include <optional>
#include <string_view>

#include "core/GridDigits.h"

namespace varelo::grading {

// In the order a player learns them; the numbers are the classes.
enum class Technique : int {
  HiddenSingle = 1,
  NakedSingle = 2,
  LockedCandidates = 3,
  Pair = 4,    // naked or hidden
  Triple = 5,  // naked or hidden
  XWing = 6,
  Wing = 7,             // XY-wing, XYZ-wing
  SwordfishOrQuad = 8,  // swordfish, naked or hidden quad
  Trial = 9,            // one assumption refuted by singles
  Beyond = 10,          // none of the above suffices
};
inline constexpr int kTechniqueCount = 10;

std::string_view TechniqueName(Technique technique);

struct Grade {
  Technique hardest = Technique::HiddenSingle;
  // Effort: every step adds the cost of its technique; a single adds more
  // when few singles are on offer, since it is harder to spot.
  int score = 0;

  auto operator<=>(const Grade&) const = default;
};

// The grade of a puzzle with a solution; nothing when the givens clash or the
// puzzle has no solution.
std::optional<Grade> GradePuzzle(const GridDigits& puzzle);

// The first solution the grader's own backtracking finds; nothing when the
// givens clash or no solution exists.
std::optional<GridDigits> FirstSolution(const GridDigits& puzzle);

}  // namespace varelo::grading
