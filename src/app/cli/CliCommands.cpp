#include "app/cli/CliCommands.h"

#include <limits>
#include <string>

#include "core/Board.h"
#include "solver/CombinationCount.h"
#include "solver/SolveSession.h"
#include "solver/WorkArrays.h"

namespace varelo::cli {

namespace {

// A puzzle typed into solve mode and driven like the solve button, so the
// solutions come out exactly as the game shows them.
class TypedBoard {
 public:
  explicit TypedBoard(const Puzzle& puzzle) : session_(board_, state_) {
    board_.setComboOrder(puzzle.order);
    board_.setInSolveMode(true);
    const int first = puzzle.order == 0 ? 0 : 1;
    for (int k = 0; k < (puzzle.order == 0 ? 1 : puzzle.order); ++k) {
      for (int n = 1; n <= kCellsPerGrid; ++n) {
        const int digit = puzzle.grids[k][n - 1];
        if (digit == 0) continue;
        board_.setDigit(first + k, n, digit);
        board_.setKind(first + k, n, EntryKind::Pen);
      }
    }
  }

  bool First() {
    session_.StartFresh();
    return session_.Finish() == RunOutcome::Solved;
  }

  bool Next() {
    ClearSolverDigits(board_, LastSolveGrid(board_.comboOrder()));
    session_.StartResume();
    return session_.Finish() == RunOutcome::Solved;
  }

  std::string Line() const {
    const int order = board_.comboOrder();
    if (order == 0) return Digits(0);
    std::string line;
    for (int grid = 1; grid <= order; ++grid) line += (grid > 1 ? " " : "") + Digits(grid);
    return line;
  }

 private:
  std::string Digits(int grid) const {
    std::string text(kCellsPerGrid, '0');
    for (int n = 1; n <= kCellsPerGrid; ++n) text[n - 1] = static_cast<char>('0' + board_.digit(grid, n));
    return text;
  }

  Board board_;
  SearchState state_;
  SolveSession session_;
};

// One answer line each; false when the puzzle has no solution.
bool AnswerSolve(const Puzzle& puzzle, std::ostream& out) {
  TypedBoard board(puzzle);
  const bool solved = board.First();
  out << (solved ? board.Line() : "none") << '\n';
  return solved;
}

bool AnswerCount(const Arguments& args, const Puzzle& puzzle, std::ostream& out) {
  // Without --max the cap is the largest count the answer can show.
  const std::int64_t cap = args.max.value_or(std::numeric_limits<std::int64_t>::max());
  const CappedCount count = CountGameSolutionsUpTo(puzzle.order, puzzle.grids, cap);
  out << count.count << (count.more ? "+\n" : "\n");
  return count.count > 0;
}

bool Answer(const Arguments& args, const Puzzle& puzzle, std::ostream& out) {
  return args.command == Arguments::Command::Count ? AnswerCount(args, puzzle, out) : AnswerSolve(puzzle, out);
}

}  // namespace

int RunSolve(const Arguments&, const std::vector<Puzzle>& puzzles, std::ostream& out) {
  int status = 0;
  for (const Puzzle& puzzle : puzzles)
    if (!AnswerSolve(puzzle, out)) status = 1;
  return status;
}

int RunSolveAll(const Arguments& args, const Puzzle& puzzle, std::ostream& out) {
  TypedBoard board(puzzle);
  if (!board.First()) {
    out << "count: 0\n";
    return 1;
  }
  std::int64_t shown = 0;
  // A failed write ends the run: an empty grid would go on for ever.
  for (bool more = true; more && out;) {
    out << board.Line() << '\n';
    ++shown;
    more = board.Next();
    if (more && args.max && shown >= *args.max) {
      out << "count: " << shown << "+\n";
      return 0;
    }
  }
  out << "count: " << shown << '\n';
  return 0;
}

int RunCount(const Arguments& args, const std::vector<Puzzle>& puzzles, std::ostream& out) {
  int status = 0;
  for (const Puzzle& puzzle : puzzles)
    if (!AnswerCount(args, puzzle, out)) status = 1;
  return status;
}

int RunFilter(const Arguments& args, std::istream& in, std::ostream& out, std::string& error) {
  int status = 0;
  std::int64_t lineNumber = 0;
  bool any = false;
  while (out) {  // nobody reads the answers once a write has failed
    Puzzle puzzle;
    if (!NextPuzzleLine(in, args.order, lineNumber, puzzle, error)) break;
    any = true;
    if (!Answer(args, puzzle, out)) status = 1;
    out.flush();  // the reader at the other end of a pipe may be waiting for it
  }
  if (!error.empty()) return 2;
  if (!any) {
    error = "no puzzle on standard input";
    return 2;
  }
  return status;
}

}  // namespace varelo::cli
