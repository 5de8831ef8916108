#pragma once
// Small helpers shared by the puzzle-source tests.

#include <array>
#include <string_view>

#include "core/GridDigits.h"

namespace varelo::testing {

inline GridDigits Digits(std::string_view text) {
  GridDigits digits{};
  for (std::size_t p = 0; p < digits.size() && p < text.size(); ++p)
    digits[p] = static_cast<unsigned char>(text[p] - '0');
  return digits;
}

// Position of the i-th cell of unit u: rows 0..8, columns 9..17, boxes 18..26.
inline int UnitCell(int u, int i) {
  if (u < 9) return u * 9 + i;
  if (u < 18) return i * 9 + (u - 9);
  const int box = u - 18;
  return (box / 3 * 3 + i / 3) * 9 + box % 3 * 3 + i % 3;
}

// Whether no unit repeats a digit; with `complete`, also that none is empty.
inline bool FollowsTheRule(const GridDigits& digits, bool complete) {
  for (int unit = 0; unit < 27; ++unit) {
    std::array<int, 10> seen{};
    for (int i = 0; i < 9; ++i) {
      const int d = digits[UnitCell(unit, i)];
      if (d == 0 && complete) return false;
      if (d != 0 && ++seen[d] > 1) return false;
    }
  }
  return true;
}

inline int GivensOf(const GridDigits& digits) {
  int count = 0;
  for (unsigned char d : digits) count += d != 0;
  return count;
}

// A known complete grid, used wherever a test needs a solution.
inline constexpr std::string_view kSolvedGrid =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

}  // namespace varelo::testing
