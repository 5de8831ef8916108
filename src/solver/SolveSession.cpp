#include "solver/SolveSession.h"

#include "core/Board.h"
#include "core/Layout.h"
#include "solver/FastSolver.h"
#include "solver/WorkArrays.h"

namespace varelo {

namespace {
constexpr int kCorner12Position = 0;   // grid 2's cell 1
constexpr int kCorner23Position = 72;  // grid 3's cell 73
}  // namespace

SolveSession::SolveSession(Board& board, SearchState& state) : board_(board), state_(state) {}

void SolveSession::StartFresh() {
  state_.Solving = true;
  state_.SolutionCount = 0;
  state_.WorkGrid = 1;
  state_.SharedDigit12 = 0;
  state_.SharedDigit23 = 0;
  resume_ = false;
  phase_ = Phase::Prepare;
}

void SolveSession::StartResume() {
  state_.Solving = true;
  resume_ = true;
  phase_ = Phase::Prepare;
}

RunOutcome SolveSession::Advance() {
  if (phase_ == Phase::Ended) return outcome_;
  if (!state_.Solving) return End(RunOutcome::Cancelled);
  switch (phase_) {
    case Phase::Prepare: return Prepare();
    case Phase::Load:
      if (const RunOutcome loaded = LoadGrid(); loaded != RunOutcome::Running) return loaded;
      if (phase_ != Phase::Search) return RunOutcome::Running;
      return SearchGrid();
    case Phase::Search: return SearchGrid();
    case Phase::Ended: break;
  }
  return outcome_;
}

RunOutcome SolveSession::Finish() {
  RunOutcome outcome = Advance();
  while (outcome == RunOutcome::Running) outcome = Advance();
  return outcome;
}

void SolveSession::LockGrids() {
  for (int grid = 0; grid < kGridCount; ++grid) board_.setGridEditable(grid, false);
}

RunOutcome SolveSession::Prepare() {
  if (!resume_) {
    // Givens that already clash have no solution; the search itself would
    // never notice, since it only tests the cells it writes.
    for (int grid : GridsInPlay(board_.comboOrder())) {
      if (!fast::GivensConsistent(board_.digitsOf(grid))) {
        state_.WorkCell = SearchState::kExhausted;
        return End(RunOutcome::NoSolution);
      }
    }
  }
  live_ = FindLiveCorners(board_, resume_);
  if (!resume_) {
    phase_ = Phase::Load;
    return RunOutcome::Running;
  }
  LockGrids();
  phase_ = Phase::Search;
  if (!ResumeSearch(state_)) return Exhaust();
  return RunOutcome::Running;
}

RunOutcome SolveSession::LoadGrid() {
  const int order = board_.comboOrder();
  LockGrids();
  LoadWorkArrays(board_, SourceGrid(order, state_.WorkGrid), state_);
  if (order >= 2 && state_.WorkGrid == 2 && !PlaceCarriedCorner(state_, kCorner12Position, state_.SharedDigit12))
    return FallBack(1);
  if (order == 3 && state_.WorkGrid == 3 && !PlaceCarriedCorner(state_, kCorner23Position, state_.SharedDigit23))
    return FallBack(2);
  phase_ = Phase::Search;
  if (!FixedDigitsConsistent(state_)) return Exhaust();
  return RunOutcome::Running;
}

CornerLimit SolveSession::LimitForWorkGrid() const {
  const int order = board_.comboOrder();
  if (order >= 2 && state_.WorkGrid == 1) return {80, live_.grid1To2};
  if (order == 3 && state_.WorkGrid == 2) return {8, live_.grid2To3};
  return {};
}

RunOutcome SolveSession::SearchGrid() {
  switch (RunSearch(state_, LimitForWorkGrid())) {
    case SearchResult::Cancelled: return End(RunOutcome::Cancelled);
    case SearchResult::Exhausted: return Exhaust();
    case SearchResult::Complete: break;
  }
  const int order = board_.comboOrder();
  ShowSolution(board_, SourceGrid(order, state_.WorkGrid), state_);
  if (order >= 2 && state_.WorkGrid == 1) {
    state_.SharedDigit12 = state_.SolutionDigits[80];
    state_.WorkGrid = 2;
    phase_ = Phase::Load;
    return RunOutcome::Running;
  }
  if (order == 3 && state_.WorkGrid == 2) {
    state_.SharedDigit23 = state_.SolutionDigits[8];
    state_.WorkGrid = 3;
    phase_ = Phase::Load;
    return RunOutcome::Running;
  }
  ++state_.SolutionCount;
  return End(RunOutcome::Solved);
}

bool SolveSession::TypedCornerBefore(int grid) const {
  // The corner linking grid - 1 to grid, as the player typed it into grid - 1.
  const CellRef corner = grid == 2 ? CellRef{1, 81} : CellRef{2, 9};
  const CellState& cell = board_.cell(corner);
  return cell.digit != 0 && cell.kind == EntryKind::Pen;
}

RunOutcome SolveSession::Exhaust() {
  const int grid = state_.WorkGrid;
  if (grid <= 1) {
    state_.WorkCell = SearchState::kExhausted;
    return End(state_.SolutionCount == 0 ? RunOutcome::NoSolution : RunOutcome::Exhausted);
  }
  // With a typed corner every earlier solution carries the same digit, so
  // none of them can help the first search.
  if (state_.SolutionCount == 0 && TypedCornerBefore(grid)) {
    state_.WorkCell = SearchState::kExhausted;
    return End(RunOutcome::NoSolution);
  }
  return FallBack(grid - 1);
}

RunOutcome SolveSession::FallBack(int grid) {
  FallBackTo(board_, grid, state_);
  phase_ = Phase::Search;
  if (!ResumeSearch(state_)) return Exhaust();
  return RunOutcome::Running;
}

RunOutcome SolveSession::End(RunOutcome outcome) {
  phase_ = Phase::Ended;
  outcome_ = outcome;
  state_.Solving = false;
  return outcome;
}

}  // namespace varelo
