#pragma once
// The combination layouts: which grids are in play for a ComboOrder and which
// cell records are the two halves of a shared corner.

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

// The other record of a shared corner, if `ref` is one under this order:
// grid 1 cell 81 <-> grid 2 cell 1 (orders 2 and 3),
// grid 2 cell 9 <-> grid 3 cell 73 (order 3 only).
std::optional<CellRef> SharedPartner(int comboOrder, CellRef ref);

// Whether `ref` is a shared corner under this order.

}  // namespace varelo
