#pragma once
// Cell numbering of one 9x9 grid: cell numbers n = 1..81 row by row, search
// positions p = n - 1. The unit walks are tables built at compile time, so the
// rule checks, run for every cell on each hint refresh, never compute them.

#include <array>

namespace varelo {

inline constexpr int kCellsPerGrid = 81;
inline constexpr int kGridCount = 5;  // grid 0 (main) and grids 1..4

namespace cells {

constexpr int Row(int n) { return (n - 1) / 9 + 1; }
constexpr int Column(int n) { return (n - 1) % 9 + 1; }
constexpr int Box(int n) { return (Row(n) - 1) / 3 * 3 + (Column(n) - 1) / 3 + 1; }
constexpr int CellAt(int row, int column) { return 9 * (row - 1) + column; }

constexpr int RowOfPosition(int p) { return p / 9 + 1; }
constexpr int ColumnOfPosition(int p) { return p % 9 + 1; }

constexpr bool IsCell(int n) { return n >= 1 && n <= kCellsPerGrid; }
constexpr bool IsGrid(int k) { return k >= 0 && k < kGridCount; }

enum class Unit { Row, Column, Box };

// The nine positions (0..80) of a unit of position p, in the walking order of
// the rule checks: a row left to right, a column top to bottom, a box row by row.
using UnitWalk = std::array<unsigned char, 9>;

namespace detail {
constexpr std::array<std::array<UnitWalk, 81>, 3> BuildWalks() {
  std::array<std::array<UnitWalk, 81>, 3> walks{};
  for (int p = 0; p < 81; ++p) {
    const int row = p / 9;
    const int column = p % 9;
    const int boxTop = row / 3 * 3;
    const int boxLeft = column / 3 * 3;
    for (int i = 0; i < 9; ++i) {
      walks[0][p][i] = static_cast<unsigned char>(row * 9 + i);
      walks[1][p][i] = static_cast<unsigned char>(i * 9 + column);
      walks[2][p][i] = static_cast<unsigned char>((boxTop + i / 3) * 9 + boxLeft + i % 3);
    }
  }
  return walks;
}
inline constexpr auto kWalks = BuildWalks();
}  // namespace detail

constexpr const UnitWalk& WalkOfPosition(Unit unit, int p) { return detail::kWalks[static_cast<int>(unit)][p]; }

}  // namespace cells
}  // namespace varelo
