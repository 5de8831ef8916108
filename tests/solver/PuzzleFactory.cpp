#include "solver/PuzzleFactory.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace varelo::testing {

GridDigits ParseGrid(std::string_view text) {
  GridDigits digits{};
  for (int p = 0; p < 81 && p < static_cast<int>(text.size()); ++p)
    digits[p] = text[p] == '.' ? 0 : static_cast<unsigned char>(text[p] - '0');
  return digits;
}

std::string FormatGrid(const GridDigits& digits) {
  std::string text(81, '0');
  for (int p = 0; p < 81; ++p) text[p] = static_cast<char>('0' + digits[p]);
  return text;
}

namespace {
// A permutation of 0..8 that keeps the three groups of three as groups.
std::array<int, 9> BandPermutation(std::mt19937& rng) {
  std::array<int, 3> bands{0, 1, 2};
  std::shuffle(bands.begin(), bands.end(), rng);
  std::array<int, 9> order{};
  for (int b = 0; b < 3; ++b) {
    std::array<int, 3> inner{0, 1, 2};
    std::shuffle(inner.begin(), inner.end(), rng);
    for (int i = 0; i < 3; ++i) order[b * 3 + i] = bands[b] * 3 + inner[i];
  }
  return order;
}
}  // namespace

GridDigits RandomSolution(std::mt19937& rng) {
  std::array<int, 9> labels{};
  std::iota(labels.begin(), labels.end(), 1);
  std::shuffle(labels.begin(), labels.end(), rng);
  const auto rows = BandPermutation(rng);
  const auto columns = BandPermutation(rng);
  const bool transpose = rng() % 2 == 0;
  GridDigits grid{};
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      int sr = rows[r], sc = columns[c];
      if (transpose) std::swap(sr, sc);
      const int pattern = (sr * 3 + sr / 3 + sc) % 9;
      grid[r * 9 + c] = static_cast<unsigned char>(labels[pattern]);
    }
  }
  return grid;
}

GridDigits WithDigitAt(const GridDigits& solution, int position, int digit) {
  const int old = solution[position];
  GridDigits grid = solution;
  for (auto& d : grid) {
    if (d == old)
      d = static_cast<unsigned char>(digit);
    else if (d == digit)
      d = static_cast<unsigned char>(old);
  }
  return grid;
}

GridDigits Dig(const GridDigits& solution, int givens, std::mt19937& rng) {
  std::array<int, 81> order{};
  std::iota(order.begin(), order.end(), 0);
  std::shuffle(order.begin(), order.end(), rng);
  GridDigits puzzle = solution;
  for (int i = 0; i < 81 - givens; ++i) puzzle[order[i]] = 0;
  return puzzle;
}

bool Consistent(const GridDigits& digits) {
  for (int p = 0; p < 81; ++p) {
    if (digits[p] == 0) continue;
    for (int q = 0; q < 81; ++q) {
      if (q == p || digits[q] != digits[p]) continue;
      const bool row = q / 9 == p / 9, column = q % 9 == p % 9;
      const bool box = q / 27 == p / 27 && q % 9 / 3 == p % 9 / 3;
      if (row || column || box) return false;
    }
  }
  return true;
}

}  // namespace varelo::testing
