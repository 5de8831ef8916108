#pragma once
// The combination layouts: which grids are in play for a ComboOrder and
// which two names, one in each grid, a shared corner has.

#include <optional>
#include <span>

namespace varelo {

struct CellRef {
  int grid = 0;
  int cell = 1;
  constexpr bool operator==(const CellRef&) const = default;
};

// ComboOrder 0 plays grid 0; 2 plays grids 1 and 2; 3 plays grids 1, 2 and 3.
std::span<const int> GridsInPlay(int comboOrder);

// The other name of a shared corner, if `ref` is one under this order:
// grid 1 cell 81 <-> grid 2 cell 1 (orders 2 and 3),
// grid 2 cell 9 <-> grid 3 cell 73 (order 3 only).
std::optional<CellRef> SharedPartner(int comboOrder, CellRef ref);

// The name the board keeps a shared corner under: the earlier grid's, of
// whichever grid `ref` names it; any other cell is its own.
CellRef StoredCell(int comboOrder, CellRef ref);
// Whether `ref` names the corner its grid shares with the grid before it:
// that cell's digit is the earlier grid's as much as this one's.
inline bool IsEarlierGridsCorner(int comboOrder, CellRef ref) { return StoredCell(comboOrder, ref).grid < ref.grid; }

}  // namespace varelo
