#pragma once
// Who wrote a cell's digit.

#include "core/Colour.h"

namespace varelo {

enum class EntryKind : unsigned char {
  Pen,     // also every empty cell
  Fixed,   // a given in play, a solver digit in solve mode
  Pencil,
};

// The ink a digit of this kind normally has; a clash paints it red for a while.
constexpr Rgb NormalInk(EntryKind kind, bool inSolveMode) {
  if (inSolveMode) return kind == EntryKind::Fixed ? colours::kBlue : colours::kBlack;
  switch (kind) {
    case EntryKind::Fixed: return colours::kBlack;
    case EntryKind::Pencil: return colours::kPencilGrey;
    case EntryKind::Pen: break;
  }
  return colours::kBlue;
}

}  // namespace varelo
