#include "core/Layout.h"

#include <array>

namespace varelo {

std::span<const int> GridsInPlay(int comboOrder) {
  static constexpr std::array<int, 1> kSingle{0};
  static constexpr std::array<int, 3> kCombination{1, 2, 3};
  switch (comboOrder) {
    case 2: return std::span<const int>(kCombination).first(2);
    case 3: return kCombination;
    default: return kSingle;
  }
}

std::optional<CellRef> SharedPartner(int comboOrder, CellRef ref) {
  if (comboOrder < 2) return std::nullopt;
  if (ref == CellRef{1, 81}) return CellRef{2, 1};
  if (ref == CellRef{2, 1}) return CellRef{1, 81};
  if (comboOrder < 3) return std::nullopt;
  if (ref == CellRef{2, 9}) return CellRef{3, 73};
  if (ref == CellRef{3, 73}) return CellRef{2, 9};
  return std::nullopt;
}

CellRef StoredCell(int comboOrder, CellRef ref) {
  const auto partner = SharedPartner(comboOrder, ref);
  return partner && partner->grid < ref.grid ? *partner : ref;
}

}  // namespace varelo
