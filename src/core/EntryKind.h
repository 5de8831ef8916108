#pragma once
// Who wrote a cell's digit.

#include "core/Colour.h"

namespace varelo {

enum class EntryKind : unsigned char {
  Pen,     // also every empty cell
  Given,   // a given of the puzzle in play
  Pencil,  // a tentative digit
  Solver,  // the solver's digit in solve mode
};

// Givens and the solver's digits are not the player's to change.
constexpr bool IsFixed(EntryKind kind) { return kind == EntryKind::Given || kind == EntryKind::Solver; }

// The ink a digit of this kind normally has; a clash paints it red for a while.
constexpr Rgb NormalInk(EntryKind kind, bool inSolveMode) {
  if (inSolveMode) return IsFixed(kind) ? colours::kBlue : colours::kBlack;
  switch (kind) {
    case EntryKind::Given: return colours::kBlack;
    case EntryKind::Solver: return colours::kBlue;
    case EntryKind::Pencil: return colours::kPencilGrey;
    case EntryKind::Pen: break;
  }
  return colours::kBlue;
}

}  // namespace varelo
