#include "solver/SolveTrace.h"

#include "core/Layout.h"
#include "solver/LiteralSearch.h"
#include "solver/PuzzleFactory.h"
#include "solver/SolveSession.h"

namespace varelo::testing {

std::string TypedPuzzle::Describe() const {
  std::string text = "order " + std::to_string(order) + ":";
  const int grids = order == 0 ? 1 : order;
  for (int k = 0; k < grids; ++k) text += " " + FormatGrid(this->grids[k]);
  return text;
}

void TypePuzzle(Board& board, const TypedPuzzle& puzzle) {
  board.setComboOrder(puzzle.order);
  board.setInSolveMode(true);
  auto type = [&](int grid, int n, int digit) {
    if (digit == 0) return;
    board.setDigit(grid, n, digit);
    board.setKind(grid, n, EntryKind::Pen);
  };
  if (puzzle.order == 0) {
    for (int n = 1; n <= 81; ++n) type(0, n, puzzle.grids[0][n - 1]);
    return;
  }
  for (int k = 1; k <= puzzle.order; ++k) {
    for (int n = 1; n <= 81; ++n) {
      const int digit = puzzle.grids[k - 1][n - 1];
      type(k, n, digit);
      if (auto partner = board.partner({k, n}); partner && digit != 0) type(partner->grid, partner->cell, digit);
    }
  }
}

void EmptyLastGrid(Board& board) {
  const int last = board.comboOrder() == 0 ? 0 : board.comboOrder();
  for (int n = 1; n <= 81; ++n)
    if (board.isFixed(last, n) && !IsEarlierGridsCorner(board.comboOrder(), {last, n})) board.clearEntry(last, n);
}

namespace {

SolvePoint Snapshot(const Board& board, const SearchState& state) {
  SolvePoint point;
  for (int grid = 0; grid <= 3; ++grid)
    for (int n = 1; n <= 81; ++n) point.cells.push_back(board.cell(grid, n));
  point.work = state.SolutionDigits;
  point.fixed = state.DigitFromSource;
  point.workGrid = state.WorkGrid;
  return point;
}

// Drives any solver with Solve() / Next() returning "solved" or an ending.
template <typename Solve, typename Next, typename Ending>
SolveTrace Trace(Board& board, const SearchState& state, int maxSolutions, Solve solve, Next next, Ending ending) {
  SolveTrace trace;
  std::string end = ending(solve());
  while (end.empty()) {
    trace.solutions.push_back(Snapshot(board, state));
    if (static_cast<int>(trace.solutions.size()) >= maxSolutions) {
      end = "too many";
      break;
    }
    EmptyLastGrid(board);
    end = ending(next());
  }
  trace.ending = end;
  trace.count = state.SolutionCount;
  return trace;
}

}  // namespace

SolveTrace TraceReference(const TypedPuzzle& puzzle, int maxSolutions, std::int64_t stepBudget,
                          reference::Mends mends) {
  Board board;
  TypePuzzle(board, puzzle);
  reference::LiteralSearch search(board, mends);
  search.setStepBudget(stepBudget);
  using reference::Ending;
  SolveTrace trace = Trace(
      board, search.state, maxSolutions, [&] { return search.Solve(); }, [&] { return search.Next(); },
      [](Ending e) -> std::string {
        switch (e) {
          case Ending::Solved: return "";
          case Ending::NoSolution: return "no solution";
          case Ending::Exhausted: return "exhausted";
          case Ending::Cancelled: return "cancelled";
          case Ending::OutOfSteps: return "out of steps";
        }
        return "?";
      });
  trace.fallBacks = search.fallBacks();
  trace.cornerRejections = search.cornerRejections();
  return trace;
}

SolveTrace TraceFast(const TypedPuzzle& puzzle, int maxSolutions) {
  Board board;
  TypePuzzle(board, puzzle);
  SearchState state;
  SolveSession session(board, state);
  return Trace(
      board, state, maxSolutions,
      [&] {
        session.StartFresh();
        return session.Finish();
      },
      [&] {
        session.StartResume();
        return session.Finish();
      },
      [](RunOutcome o) -> std::string {
        switch (o) {
          case RunOutcome::Solved: return "";
          case RunOutcome::NoSolution: return "no solution";
          case RunOutcome::Exhausted: return "exhausted";
          case RunOutcome::Cancelled: return "cancelled";
          case RunOutcome::Running: return "running";
        }
        return "?";
      });
}

}  // namespace varelo::testing
