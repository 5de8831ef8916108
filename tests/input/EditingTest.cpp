// Cell editing and conflict marking together: what a digit or erase key does
// to the board, and how a clashing entry is withdrawn.

#include <gtest/gtest.h>

#include "core/Board.h"
#include "core/ColourHint.h"
#include "core/RandomSource.h"
#include "core/RuleChecks.h"
#include "input/CellEditor.h"
#include "input/ConflictMarker.h"
#include "model/Controls.h"
#include "model/Cursors.h"
#include "model/GameState.h"
#include "model/Texts.h"
#include "support/TempSettings.h"

namespace varelo {
namespace {

class EditingTest : public ::testing::Test {
 protected:
  EditingTest()
      : checks(board), hint(board, checks, random, settings.store()), conflicts(board, hint), state(controls),
        editor(board, cursors, checks, conflicts, hint, state) {
    board.setGridEditable(0, true);
  }

  void PointAt(int grid, int cell) {
    CursorState state = cursors.state(grid);
    state.currentCell = cell;
    cursors.setState(grid, state);
  }
  // The pointer over `grid`: only its frame shows among the further grids.
  void Focus(int grid, int cell) {
    for (int g = 1; g <= 4; ++g) {
      CursorState state = cursors.state(g);
      state.frameShown = g == grid;
      cursors.setState(g, state);
    }
    PointAt(grid, cell);
  }
  void Given(int grid, int cell, int digit) {
    board.setDigit(grid, cell, digit);
    board.setKind(grid, cell, EntryKind::Given);
  }
  void Type(int grid, int cell, int digit) {
    Focus(grid, cell);
    editor.EnterDigit(digit);
  }
  void Erase(int grid, int cell) {
    Focus(grid, cell);
    editor.EraseDigit();
  }
  void UseCombination(int order) {
    board.setComboOrder(order);
    board.setGridEditable(0, false);
    for (int grid = 1; grid <= order; ++grid) board.setGridEditable(grid, true);
  }

  Board board;
  Cursors cursors;
  Controls controls;
  RandomSource random;
  testing::TempSettings settings;
  RuleChecks checks;
  ColourHint hint;
  ConflictMarker conflicts;
  GameState state;
  CellEditor editor;
};

TEST_F(EditingTest, KeysReachOnlyAnEditableCellUnderAFrameAtRest) {
  Given(0, 1, 4);
  Type(0, 1, 5);
  EXPECT_EQ(board.digit(0, 1), 4) << "a given never changes";
  Erase(0, 1);
  EXPECT_EQ(board.digit(0, 1), 4);

  CursorState gliding = cursors.state(0);
  gliding.currentCell = 2;
  gliding.gliding = true;
  cursors.setState(0, gliding);
  editor.EnterDigit(5);
  EXPECT_EQ(board.digit(0, 2), 0) << "the frame is still gliding";
  gliding.gliding = false;
  gliding.horizontal = 4;
  cursors.setState(0, gliding);
  editor.EnterDigit(5);
  EXPECT_EQ(board.digit(0, 2), 0) << "a glide is pending";
  gliding.horizontal = 0;
  cursors.setState(0, gliding);
  editor.EnterDigit(5);
  EXPECT_EQ(board.digit(0, 2), 5);

  board.setGridEditable(0, false);
  Type(0, 3, 6);
  EXPECT_EQ(board.digit(0, 3), 0);
  EXPECT_FALSE(editor.FindInputGrid().has_value());
}

TEST_F(EditingTest, FurtherGridsTakeKeysOnlyWhileTheirFrameShows) {
  UseCombination(2);
  PointAt(1, 10);
  PointAt(2, 20);
  EXPECT_EQ(editor.FindInputGrid(), 1);
  CursorState hidden = cursors.state(1);
  hidden.frameShown = false;
  cursors.setState(1, hidden);
  EXPECT_EQ(editor.FindInputGrid(), 2);
  editor.EnterDigit(7);
  EXPECT_EQ(board.digit(2, 20), 7);
  EXPECT_EQ(board.digit(1, 10), 0);
}

TEST_F(EditingTest, PenAndPencilWriteOverEachOther) {
  Type(0, 10, 3);
  EXPECT_EQ(board.kind(0, 10), EntryKind::Pen);
  EXPECT_EQ(board.ink(0, 10), colours::kBlue);
  EXPECT_EQ(controls.toolTip(ctl::kImgcol), texts::kPen);

  editor.ToggleWritingTool();
  EXPECT_EQ(controls.toolTip(ctl::kImgcol), texts::kPencil);
  EXPECT_EQ(controls.text(ctl::kImgcol), ctl::kImgGrayPen);
  Type(0, 10, 8);
  EXPECT_EQ(board.digit(0, 10), 8);
  EXPECT_EQ(board.kind(0, 10), EntryKind::Pencil);
  EXPECT_EQ(board.ink(0, 10), colours::kPencilGrey);

  editor.ToggleWritingTool();
  Type(0, 10, 2);
  EXPECT_EQ(board.kind(0, 10), EntryKind::Pen);
  EXPECT_EQ(board.ink(0, 10), colours::kBlue);

  board.setInSolveMode(true);
  Type(0, 11, 9);
  EXPECT_EQ(board.ink(0, 11), colours::kBlack) << "a typed puzzle is black";
}

TEST_F(EditingTest, EveryDigitOrEraseResetsTheSolveCaption) {
  state.setSolvePhase(SolvePhase::SolutionShown);
  Type(0, 5, 1);
  EXPECT_EQ(controls.text(ctl::Command(2)), texts::kSolve);
  state.setSolvePhase(SolvePhase::SolutionShown);
  Erase(0, 5);
  EXPECT_EQ(controls.text(ctl::Command(2)), texts::kSolve);
  EXPECT_EQ(board.digit(0, 5), 0);
}

TEST_F(EditingTest, AClashIsMarkedLockedAndWithdrawnAfterItsTick) {
  Given(0, 1, 5);  // r1c1
  Type(0, 76, 5);  // a pen 5 at r9c4
  Type(0, 33, 5);  // a pen 5 at r4c6, in no unit of cell 4
  hint.RefreshHints();
  const int countOf14 = board.candidateCache(14);  // r2c5, box 2: 5 is still possible

  Type(0, 4, 5);  // r1c4: the given 5 in its row, the pen 5 in its column
  EXPECT_EQ(board.digit(0, 4), 5) << "the clashing digit shows for a second";
  EXPECT_EQ(board.ink(0, 1), colours::kRed);
  EXPECT_EQ(board.ink(0, 76), colours::kRed);
  EXPECT_EQ(board.ink(0, 33), colours::kBlue);
  EXPECT_EQ(conflicts.crossCell(0), 4);
  EXPECT_TRUE(conflicts.eraseTimerRunning(0));
  EXPECT_FALSE(board.gridEditable(0));
  EXPECT_EQ(board.candidateCache(14), countOf14) << "no hint refresh for a withdrawn entry";

  Type(0, 50, 9);
  EXPECT_EQ(board.digit(0, 50), 0) << "the locked grid takes no keys";

  conflicts.EraseTick(0);
  EXPECT_EQ(board.digit(0, 4), 0);
  EXPECT_EQ(board.ink(0, 1), colours::kBlack) << "a given gets black back";
  EXPECT_EQ(board.ink(0, 76), colours::kBlue) << "a pen entry gets blue back";
  EXPECT_EQ(board.ink(0, 33), colours::kBlue);
  EXPECT_EQ(conflicts.crossCell(0), 0);
  EXPECT_FALSE(conflicts.eraseTimerRunning(0));
  EXPECT_TRUE(board.gridEditable(0));
  EXPECT_NE(board.candidateCache(4), Board::kCacheDigitEntered) << "the emptied cell is graded again";
  EXPECT_EQ(board.candidateCache(14), countOf14);
}

TEST_F(EditingTest, APencilClashIsWithdrawnAndOtherInksComeBack) {
  editor.ToggleWritingTool();
  Type(0, 12, 6);  // a pencil 6 at r2c3
  Type(0, 15, 6);  // r2c6: same row
  EXPECT_EQ(board.ink(0, 12), colours::kRed);
  conflicts.EraseTick(0);
  EXPECT_EQ(board.digit(0, 15), 0);
  EXPECT_EQ(board.ink(0, 12), colours::kPencilGrey);
}

TEST_F(EditingTest, InSolveModeRedDigitsGoBackToBlackOrBlue) {
  board.setInSolveMode(true);
  Type(0, 8, 3);    // typed: black
  Given(0, 61, 3);  // the solver's digit
  Type(0, 62, 3);   // r7c8: the solver's 3 in its row and box, the typed 3 in its column
  EXPECT_EQ(board.ink(0, 61), colours::kRed);
  EXPECT_EQ(board.ink(0, 8), colours::kRed);
  conflicts.EraseTick(0);
  EXPECT_EQ(board.ink(0, 61), colours::kBlue);
  EXPECT_EQ(board.ink(0, 8), colours::kBlack);
  EXPECT_EQ(board.digit(0, 62), 0);
}

TEST_F(EditingTest, AClashingCornerLocksBothGridsAndEmptiesBothRecords) {
  UseCombination(2);
  Given(2, 2, 7);  // grid 2 row 1
  Type(2, 40, 1);  // grid 2's cursor stays elsewhere, on a pen digit
  Type(1, 81, 7);
  EXPECT_EQ(board.digit(2, 1), 7) << "the corner is copied";
  EXPECT_EQ(board.ink(2, 2), colours::kRed);
  EXPECT_EQ(conflicts.crossCell(2), 1);
  EXPECT_FALSE(board.gridEditable(2));
  EXPECT_TRUE(board.gridEditable(1)) << "grid 1 itself has no clash";

  conflicts.EraseTick(2);
  EXPECT_EQ(board.digit(2, 1), 0);
  EXPECT_EQ(board.digit(1, 81), 0) << "both records of the corner";
  EXPECT_EQ(board.digit(2, 40), 1) << "grid 2's cursor cell is left alone";
  EXPECT_EQ(board.ink(2, 2), colours::kBlack);
  EXPECT_TRUE(board.gridEditable(2));
}

TEST_F(EditingTest, AClashInGridOnesCornerCrossesBothGrids) {
  UseCombination(3);
  Given(1, 80, 4);
  Type(1, 81, 4);
  EXPECT_EQ(conflicts.crossCell(1), 81);
  EXPECT_EQ(conflicts.crossCell(2), 1);
  conflicts.EraseTick(1);
  EXPECT_EQ(board.digit(1, 81), 0);
  EXPECT_EQ(board.digit(2, 1), 0);
  EXPECT_EQ(conflicts.crossCell(2), 0);
  EXPECT_EQ(board.digit(1, 80), 4) << "the given stays";
}

TEST_F(EditingTest, GridTwosCellNineIsSharedOnlyInOrderThree) {
  UseCombination(2);
  Type(2, 9, 5);
  EXPECT_EQ(board.digit(3, 73), 0);
  UseCombination(3);
  Type(2, 9, 6);
  EXPECT_EQ(board.digit(3, 73), 6);
  Type(3, 73, 8);
  EXPECT_EQ(board.digit(2, 9), 8);
  // Erasing either record empties both.
  Erase(2, 9);
  EXPECT_EQ(board.digit(3, 73), 0);
  Type(2, 1, 3);
  EXPECT_EQ(board.digit(1, 81), 3);
  Erase(1, 81);
  EXPECT_EQ(board.digit(2, 1), 0);
}

TEST_F(EditingTest, TheEraserClearsPencilEntriesExceptInALockedGrid) {
  UseCombination(2);
  editor.ToggleWritingTool();
  Type(1, 5, 1);
  Type(2, 5, 2);
  editor.SetPen();
  Type(1, 6, 3);
  board.setGridEditable(2, false);  // as while a conflict shows there
  editor.ErasePencilEntries();
  EXPECT_EQ(board.digit(1, 5), 0);
  EXPECT_EQ(board.kind(1, 5), EntryKind::Pen);
  EXPECT_EQ(board.digit(1, 6), 3) << "pen entries stay";
  EXPECT_EQ(board.digit(2, 5), 2) << "the locked grid keeps its pencil entries";
}

}  // namespace
}  // namespace varelo
