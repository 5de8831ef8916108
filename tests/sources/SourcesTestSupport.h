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

// Whether no unit repeats a digit; with `complete`, also that none is empty.
inline bool FollowsTheRule(const GridDigits& digits, bool complete) {
  for (int unit = 0; unit < 27; ++unit) {
    std::array<int, 10> seen{};
    for (int i = 0; i < 9; ++i) {
      int p;
      if (unit < 9) p = unit * 9 + i;
      else if (unit < 18) p = i * 9 + (unit - 9);
      else p = ((unit - 18) / 3 * 3 + i / 3) * 9 + (unit - 18) % 3 * 3 + i % 3;
      const int d = digits[p];
      if (d == 0) {
        if (complete) return false;
        continue;
      }
      if (++seen[d] > 1) return false;
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
