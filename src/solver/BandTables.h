#pragma once
// The geometry of a grid cut into three bands of three rows. A band of one
// digit is a 27-bit mask, bit r * 9 + c for the band's row r and column c, so
// rows, boxes and columns of a band are a few shifts and masks, and a whole
// digit fits in three words.

#include <array>
#include <cstdint>

namespace varelo::fast::bands {

using BandMask = std::uint32_t;

inline constexpr BandMask kRow = 0x1FF;                          // a band's first row
inline constexpr BandMask kAllCells = 0x7FFFFFF;                 // all 27 cells
inline constexpr BandMask kColumnOfBand = 1u | 1u << 9 | 1u << 18;  // column 0, three rows

// The number of cells in a band (no popcount instruction assumed).
constexpr int Count(BandMask x) {
  x = x - ((x >> 1) & 0x55555555u);
  x = (x & 0x33333333u) + ((x >> 2) & 0x33333333u);
  x = (x + (x >> 4)) & 0x0F0F0F0Fu;
  return static_cast<int>((x * 0x01010101u) >> 24);
}

constexpr int BandOf(int p) { return p / 27; }
constexpr int IndexInBand(int p) { return p % 27; }

// The same 9-bit pattern (one bit per column) in every row of a band.
constexpr BandMask InEveryRow(unsigned columns) { return columns * kColumnOfBand; }
// The columns of a band where any row has a bit.
constexpr unsigned Columns(BandMask band) { return (band | band >> 9 | band >> 18) & kRow; }

struct Tables {
  // Same row or box within the band, the cell itself left out.
  std::array<BandMask, 27> rowBoxPeers{};
  // Bit k for every box k (three columns) in which a row has a bit.
  std::array<unsigned char, 512> boxesOfRow{};
  // A 3x3 pattern, bit 3 * i + k: line i of three may hold the digit in
  // block k of three. Each line takes one block and each block one line, so
  // only cells on some full matching can hold it: the bits on a matching,
  // 0 when there is none. Rows against boxes in a band, or bands against
  // columns in a stack, alike.
  std::array<unsigned short, 512> onMatching{};
  // Bit k of three spread over the three cells of box k in one row.
  std::array<BandMask, 8> boxCells{};
  // A row of nine bits as it is when it has one bit, else 0.
  std::array<unsigned short, 512> singleInRow{};
  // Bit k of nine moved to bit 3 * k.
  std::array<std::uint32_t, 512> everyThird{};
};

constexpr Tables BuildTables() {
  Tables t{};
  for (int i = 0; i < 27; ++i) {
    const BandMask row = kRow << (i / 9 * 9);
    const BandMask box = InEveryRow(7u << (i % 9 / 3 * 3));
    t.rowBoxPeers[i] = (row | box) & ~(1u << i);
  }
  for (unsigned row = 0; row < 512; ++row)
    for (int k = 0; k < 3; ++k)
      if (row >> (3 * k) & 7) t.boxesOfRow[row] |= static_cast<unsigned char>(1u << k);
  constexpr int kMatchings[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
  for (unsigned pattern = 0; pattern < 512; ++pattern) {
    for (const auto& blockOf : kMatchings) {
      unsigned cells = 0;
      for (int line = 0; line < 3; ++line) cells |= 1u << (3 * line + blockOf[line]);
      if ((pattern & cells) == cells) t.onMatching[pattern] |= static_cast<unsigned short>(cells);
    }
  }
  for (unsigned row = 1; row < 512; ++row)
    if ((row & (row - 1)) == 0) t.singleInRow[row] = static_cast<unsigned short>(row);
  for (unsigned bits = 0; bits < 512; ++bits)
    for (int k = 0; k < 9; ++k)
      if (bits >> k & 1) t.everyThird[bits] |= 1u << (3 * k);
  for (unsigned k = 0; k < 8; ++k)
    for (int box = 0; box < 3; ++box)
      if (k >> box & 1) t.boxCells[k] |= 7u << (3 * box);
  return t;
}

inline constexpr Tables kTables = BuildTables();

}  // namespace varelo::fast::bands
