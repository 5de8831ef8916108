#pragma once
// The reference model: the game's search exactly as it steps, one cell and
// one digit at a time in row-major order, with the rule checks in search mode
// as its only test, the combination chaining, the exhaustion table, the
// fall-backs and the resume. It carries the two mends of the game (clashing
// givens have no solution; the corner carried into grid 2 stays fixed on a
// fall-back from grid 3). Without yields it does tens of millions of steps a
// second, so tests pick puzzles it finishes quickly; the fast solver must
// give exactly the same results.

#include <cstdint>

#include "core/RuleChecks.h"
#include "solver/SearchState.h"

namespace varelo {
class Board;
}

namespace varelo::reference {

enum class Ending { Solved, NoSolution, Exhausted, Cancelled, OutOfSteps };
enum class LoopEnd { Complete, Exhausted, Cancelled, OutOfSteps };

// The two mends, on by default; tests switch them off to show the faults
// of the unmended rules.
struct Mends {
  bool clashingGivensHaveNoSolution = true;
  bool carriedCornerStaysFixed = true;
};

class LiteralSearch {
 public:
  explicit LiteralSearch(Board& board, Mends mends = {});

  SearchState state;

  // Steps after which the search gives up (OutOfSteps); 0 = no limit.
  void setStepBudget(std::int64_t steps) { budget_ = steps; }
  std::int64_t steps() const { return steps_; }
  // How often the search fell back to an earlier grid, and how often the
  // corner forward test turned a digit down: tests use them to show that
  // their puzzles reach these paths.
  int fallBacks() const { return fallBacks_; }
  int cornerRejections() const { return cornerRejections_; }

  // The solve button's "求解": a fresh run on the typed puzzle.
  Ending Solve();
  // "求下一种解": the caller has emptied the solver digits of the last grid.
  Ending Next();

  // The search loop on the arrays as they stand (RandomFill's use).
  LoopEnd RunSearch();

 private:
  Ending Finish(LoopEnd end);
  LoopEnd LoadAndSearch();
  bool Tick();
  void SearchStep();
  void Backward(int p);
  void Exhaust();
  void FallBack(int grid);
  void ResumeSearch();
  bool PassesChecks(int p);
  bool GivensClash();
  bool FixedClash();

  Board& board_;
  Mends mends_;
  RuleChecks checks_;
  GridDigits scratch_{};  // grid 3 with a trial corner digit
  RuleChecks scratchChecks_;
  bool fellBack_ = false;
  bool outOfSteps_ = false;
  std::int64_t steps_ = 0;
  std::int64_t budget_ = 0;
  int fallBacks_ = 0;
  int cornerRejections_ = 0;
};

}  // namespace varelo::reference
