#pragma once
// Who wrote a cell's digit, with the one-character codes the game uses.

#include <QStringView>

#include "core/Colour.h"

namespace varelo {

enum class EntryKind : unsigned char {
  Pen,     // code "0"; also every empty cell
  Fixed,   // code "1": a given in play, a solver digit in solve mode
  Pencil,  // code "2"
};

constexpr const char* KindCode(EntryKind kind) {
  switch (kind) {
    case EntryKind::Fixed: return "1";
    case EntryKind::Pencil: return "2";
    case EntryKind::Pen: break;
  }
  return "0";
}

// An empty code (a cell not written since its grid was cleared) reads as "0";
// so does anything unknown, because only "1" and "2" carry a meaning.
inline EntryKind KindFromCode(QStringView code) {
  if (code == u"1") return EntryKind::Fixed;
  if (code == u"2") return EntryKind::Pencil;
  return EntryKind::Pen;
}

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
