#pragma once
// What a digit or erase key does to the cell under a cursor frame, and the
// two tool images beside the board: the pen/pencil switch and the eraser
// that clears every pencil entry.

#include <optional>

#include "core/EntryKind.h"

namespace varelo {

class Board;
class ColourHint;
class ConflictMarker;
class Cursors;
class GameState;
class RuleChecks;

class CellEditor {
 public:
  CellEditor(Board& board, Cursors& cursors, RuleChecks& checks, ConflictMarker& conflicts, ColourHint& hint,
             GameState& state);

  // The grid a digit or erase key acts on: the first of grids 0..4 whose
  // frame is shown (grids 1..4), at rest and not gliding, on a cell that is
  // not a given or a solver digit, in a grid that takes input.
  std::optional<int> FindInputGrid() const;

  void EnterDigit(int digit);
  void EraseDigit();

  void ToggleWritingTool();   // switch between pen and pencil
  void ErasePencilEntries();  // clear every pencil entry of the grids that take input

  EntryKind writingTool() const;
  void SetPen();  // every game start and restart writes with the pen

 private:
  // Checks an entry in a shared corner under its other name; false when it
  // clashes in that grid.
  bool CheckInPartnerGrid(int grid, int cell);
  bool CheckEntry(int grid, int cell);

  Board& board_;
  Cursors& cursors_;
  RuleChecks& checks_;
  ConflictMarker& conflicts_;
  ColourHint& hint_;
  GameState& state_;
};

}  // namespace varelo
