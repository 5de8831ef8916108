#pragma once
// One solve run of solve mode, without widgets and without message boxes:
// load the work arrays from a grid, search, write the solution back, chain
// the grids of a combination (WorkGrid 1 -> 2 -> 3 with the carried corners)
// and fall back to an earlier grid when a later one runs out. The caller
// shows what the outcome means ("此数独无解！", the count, the buttons).
//
// The run is cut into slices: each Advance() does at most one grid's search
// (a few milliseconds at worst) and returns, so a caller on the event loop
// stays live. Clearing Solving cancels the run at the next slice.

#include "solver/LiveCorners.h"
#include "solver/Search.h"
#include "solver/SearchState.h"

namespace varelo {

class Board;

enum class RunOutcome {
  Running,     // call Advance() again
  Solved,      // a whole solution is on the board; SolutionCount counts it
  NoSolution,  // "此数独无解！"
  Exhausted,   // "没有下一种解！": SolutionCount solutions in all
  Cancelled,   // Solving was cleared
};

class SolveSession {
 public:
  SolveSession(Board& board, SearchState& state);

  // "求解": a fresh search of the typed puzzle. The caller has cleared the
  // solver digits of earlier runs. Sets Solving, SolutionCount := 0,
  // WorkGrid := 1 and the carried corners to 0.
  void StartFresh();
  // "求下一种解": continues after the solution shown last. The caller has
  // emptied the solver digits of the last grid. Sets Solving.
  void StartResume();

  // One slice of the run.
  RunOutcome Advance();
  // Every slice at once, for callers off the event loop.
  RunOutcome Finish();

  bool running() const { return phase_ != Phase::Ended; }
  // Solving was cleared while the run goes; the next Advance() ends it.
  bool cancelRequested() const { return running() && !state_.Solving; }
  RunOutcome outcome() const { return outcome_; }

 private:
  enum class Phase { Prepare, Load, Search, Ended };

  RunOutcome Prepare();
  RunOutcome LoadGrid();
  RunOutcome SearchGrid();
  RunOutcome Exhaust();
  RunOutcome FallBack(int grid);
  RunOutcome End(RunOutcome outcome);
  bool TypedCornerBefore(int grid) const;
  CornerLimit LimitForWorkGrid() const;
  void LockGrids();

  Board& board_;
  SearchState& state_;
  Phase phase_ = Phase::Ended;
  bool resume_ = false;
  LiveCorners live_;
  RunOutcome outcome_ = RunOutcome::Cancelled;
};

}  // namespace varelo
