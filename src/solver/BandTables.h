#pragma once
// The geometry of a grid cut into three bands of three rows. A band of one
// digit is a 27-bit mask, bit r * 9 + c for the band's row r and column c, so
// rows, boxes and columns of a band are a few shifts and masks, and a whole
// digit fits in three words.

#include <array>
#include <cstdint>

namespace varelo::fast::bands {

using BandMask = std::uint32_t;

inline constexpr BandMask kRow = 0x1FF;                             // a band's first row
inline constexpr BandMask kAllCells = 0x7FFFFFF;                    // all 27 cells
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
  // Indexed by a 3x3 pattern, bit 3 * i + k: line i of three may hold the
  // digit in block k of three. Each line takes one block and each block one
  // line, so only cells on some full matching can hold it (OnMatching). Both
  // tables give those cells in the form they are applied in, 0 when there is
  // no matching; one lookup where three more were needed on the hottest path
  // of the oracle.
  // Rows against boxes: a band's cells, a row's three cells in each box kept.
  std::array<BandMask, 512> rowsOnMatching{};
  // Bands against the columns of a stack: bit 9 * band + column, for the
  // first stack (shifted by 3 * stack for the others).
  std::array<BandMask, 512> stackOnMatching{};
  // A row of nine bits as it is when it has one bit, else 0.
  std::array<unsigned short, 512> singleInRow{};
  // Bit k of nine moved to bit 3 * k.
  std::array<std::uint32_t, 512> everyThird{};
};

// The bits of a 3x3 pattern that lie on a full matching of its lines to
// its blocks.
constexpr unsigned OnMatching(unsigned pattern) {
  constexpr int kMatchings[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
  unsigned kept = 0;
  for (const auto& blockOf : kMatchings) {
    unsigned cells = 0;
    for (int line = 0; line < 3; ++line) cells |= 1u << (3 * line + blockOf[line]);
    if ((pattern & cells) == cells) kept |= cells;
  }
  return kept;
}

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
  for (unsigned pattern = 0; pattern < 512; ++pattern) {
    const unsigned kept = OnMatching(pattern);
    for (int line = 0; line < 3; ++line)
      for (int block = 0; block < 3; ++block)
        if (kept >> (3 * line + block) & 1) t.rowsOnMatching[pattern] |= 7u << (9 * line + 3 * block);
    t.stackOnMatching[pattern] = (kept & 7) | (kept & 0x38) << 6 | (kept & 0x1C0) << 12;
  }
  for (unsigned row = 1; row < 512; ++row)
    if ((row & (row - 1)) == 0) t.singleInRow[row] = static_cast<unsigned short>(row);
  for (unsigned bits = 0; bits < 512; ++bits)
    for (int k = 0; k < 9; ++k)
      if (bits >> k & 1) t.everyThird[bits] |= 1u << (3 * k);
  return t;
}

inline constexpr Tables kTables = BuildTables();

}  // namespace varelo::fast::bands
