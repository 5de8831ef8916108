#include "solver/LiteralSearch.h"

#include "core/Board.h"
#include "core/Layout.h"

namespace varelo::reference {

namespace {
constexpr int kComplete = SearchState::kGridComplete;
constexpr int kExhausted = SearchState::kExhausted;
}  // namespace

LiteralSearch::LiteralSearch(Board& board, Mends mends)
    : board_(board), mends_(mends), checks_(board, &state.SolutionDigits), scratchChecks_(board, &scratch_) {}

bool LiteralSearch::Tick() {
  ++steps_;
  if (budget_ > 0 && steps_ > budget_) outOfSteps_ = true;
  return !outOfSteps_;
}

bool LiteralSearch::PassesChecks(int p) {
  return checks_.CheckRow(p, CheckMode::Search) && checks_.CheckColumn(p, CheckMode::Search) &&
         checks_.CheckBlock(p, CheckMode::Search);
}

Ending LiteralSearch::Solve() {
  state.Solving = true;
  state.SolutionCount = 0;
  state.WorkGrid = 1;
  state.SharedDigit12 = 0;
  state.SharedDigit23 = 0;
  if (mends_.clashingGivensHaveNoSolution && GivensClash()) {  // mend: clashing givens have no solution
    state.WorkCell = kExhausted;
    state.Solving = false;
    return Ending::NoSolution;
  }
  return Finish(LoadAndSearch());
}

Ending LiteralSearch::Next() {
  state.Solving = true;
  fellBack_ = false;
  ResumeSearch();
  return Finish(RunSearch());
}

bool LiteralSearch::GivensClash() {
  for (int grid : GridsInPlay(board_.comboOrder()))
    for (int n = 1; n <= 81; ++n)
      if (board_.digit(grid, n) != 0 && !checks_.CheckCell(n, MarkingMode(grid))) return true;
  return false;
}

bool LiteralSearch::FixedClash() {
  for (int p = 0; p < 81; ++p)
    if (state.DigitFromSource[p] && state.SolutionDigits[p] != 0 && !PassesChecks(p)) return true;
  return false;
}

// A fresh solve run: the work arrays loaded from the grid being searched,
// with the corner digits carried in from the grids before it, then the search.
LoopEnd LiteralSearch::LoadAndSearch() {
  if (!state.Solving) return LoopEnd::Cancelled;
  const int order = board_.comboOrder();
  state.WorkCell = 0;
  const int source = order == 0 ? 0 : state.WorkGrid;
  for (int n = 1; n <= 81; ++n) {
    state.SolutionDigits[n - 1] = static_cast<unsigned char>(board_.digit(source, n));
    state.DigitFromSource[n - 1] = board_.digit(source, n) != 0;
  }
  fellBack_ = false;
  bool fellBackAtLoad = false;
  auto carry = [&](int position, int digit, int fallBackGrid) {
    state.SolutionDigits[position] = static_cast<unsigned char>(digit);
    if (PassesChecks(position)) {
      state.DigitFromSource[position] = true;
    } else {
      state.SolutionDigits[position] = 0;
      FallBack(fallBackGrid);
      fellBackAtLoad = true;
    }
  };
  if (order >= 2 && state.WorkGrid == 2) carry(0, state.SharedDigit12, 1);
  if (order == 3 && state.WorkGrid == 3) carry(72, state.SharedDigit23, 2);
  if (mends_.clashingGivensHaveNoSolution && !fellBackAtLoad && FixedClash())
    Exhaust();  // mend, as a search that finds nothing
  return RunSearch();
}

Ending LiteralSearch::Finish(LoopEnd end) {
  for (;;) {
    switch (end) {
      case LoopEnd::Cancelled: return Ending::Cancelled;
      case LoopEnd::OutOfSteps: return Ending::OutOfSteps;
      case LoopEnd::Exhausted:
        state.Solving = false;
        return state.SolutionCount == 0 ? Ending::NoSolution : Ending::Exhausted;
      case LoopEnd::Complete: break;
    }
    const int order = board_.comboOrder();
    const int source = order == 0 ? 0 : state.WorkGrid;
    for (int n = 1; n <= 81; ++n) {
      if (board_.digit(source, n) != 0) continue;
      board_.setDigit(source, n, state.SolutionDigits[n - 1]);
      board_.setKind(source, n, EntryKind::Solver);
    }
    if (order >= 2 && state.WorkGrid == 1) {
      state.SharedDigit12 = state.SolutionDigits[80];
      state.WorkGrid = 2;
      end = LoadAndSearch();
      continue;
    }
    if (order == 3 && state.WorkGrid == 2) {
      state.SharedDigit23 = state.SolutionDigits[8];
      state.WorkGrid = 3;
      end = LoadAndSearch();
      continue;
    }
    ++state.SolutionCount;
    state.Solving = false;
    return Ending::Solved;
  }
}

LoopEnd LiteralSearch::RunSearch() {
  fellBack_ = false;
  if (state.WorkCell == kExhausted) return LoopEnd::Exhausted;
  while (state.WorkCell < kComplete) {
    SearchStep();
    for (;;) {
      if (state.WorkCell == kExhausted) return LoopEnd::Exhausted;
      if (outOfSteps_) return LoopEnd::OutOfSteps;
      if (!state.Solving) return LoopEnd::Cancelled;
      if (fellBack_) {
        fellBack_ = false;
        break;
      }
      if (PassesChecks(state.WorkCell)) {
        ++state.WorkCell;
        break;
      }
      SearchStep();
    }
  }
  return LoopEnd::Complete;
}

void LiteralSearch::SearchStep() {
  if (!state.Solving || !Tick()) return;
  auto& digits = state.SolutionDigits;
  int p = state.WorkCell;
  for (;;) {
    if (state.DigitFromSource[p]) {
      if (p >= 80) return;
      state.WorkCell = ++p;
      if (!state.Solving || !Tick()) return;  // a new step at the next position
      continue;
    }
    if (digits[p] == 0) {
      digits[p] = 1;
    } else if (digits[p] >= 9) {
      Backward(p);
      return;
    } else {
      ++digits[p];
    }
    // The corner forward test of the order-3 search.
    if (board_.comboOrder() == 3 && state.WorkGrid == 2 && p == 8) {
      scratch_ = board_.digitsOf(3);
      scratch_[72] = digits[p];
      if (!(scratchChecks_.CheckRow(72, CheckMode::Search) && scratchChecks_.CheckColumn(72, CheckMode::Search) &&
            scratchChecks_.CheckBlock(72, CheckMode::Search))) {
        ++cornerRejections_;
        continue;  // the forward move again at once
      }
    }
    return;
  }
}

void LiteralSearch::Backward(int p) {
  auto& digits = state.SolutionDigits;
  for (;;) {
    digits[p] = 0;
    int q = p - 1;
    while (q >= 0 && state.DigitFromSource[q]) --q;
    if (q < 0) {
      Exhaust();
      return;
    }
    if (digits[q] < 9) {
      ++digits[q];
      state.WorkCell = q;
      return;
    }
    p = q;
  }
}

void LiteralSearch::Exhaust() {
  const int order = board_.comboOrder();
  const int grid = state.WorkGrid;
  if (grid <= 1) {
    state.WorkCell = kExhausted;
    return;
  }
  if (state.SolutionCount == 0) {
    const bool typedCorner =
        (order >= 2 && grid == 2 && board_.digit(1, 81) != 0 && board_.kind(1, 81) == EntryKind::Pen) ||
        (order == 3 && grid == 3 && board_.digit(2, 9) != 0 && board_.kind(2, 9) == EntryKind::Pen);
    if (typedCorner) {
      state.WorkCell = kExhausted;
      return;
    }
  }
  FallBack(grid - 1);
}

void LiteralSearch::FallBack(int grid) {
  ++fallBacks_;
  state.WorkGrid = grid;
  for (int n = 1; n <= 81; ++n) {
    state.SolutionDigits[n - 1] = static_cast<unsigned char>(board_.digit(grid, n));
    if (board_.isFixed(grid, n)) {
      state.DigitFromSource[n - 1] = false;
      // The corner shared with the grid before stays that grid's digit.
      if (IsEarlierGridsCorner(board_.comboOrder(), {grid, n})) continue;
      board_.setDigit(grid, n, 0);
      board_.setKind(grid, n, EntryKind::Pen);
    } else {
      state.DigitFromSource[n - 1] = true;
    }
  }
  if (grid == 2 && mends_.carriedCornerStaysFixed) {  // mend: the carried corner stays what grid 1 settled
    state.SolutionDigits[0] = static_cast<unsigned char>(state.SharedDigit12);
    state.DigitFromSource[0] = true;
  }
  fellBack_ = true;
  ResumeSearch();
}

void LiteralSearch::ResumeSearch() {
  for (int p = 80; p >= 0; --p) {
    if (state.DigitFromSource[p]) continue;
    state.WorkCell = p;
    return;
  }
  Exhaust();
}

}  // namespace varelo::reference
