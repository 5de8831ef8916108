#include "GridMaker.h"

#include <bit>
#include <cstdint>
#include <utility>

#include "solver/FastSolver.h"

namespace levelgen {

namespace {

constexpr int BoxOf(int p) { return p / 27 * 3 + p % 9 / 3; }

struct FillState {
  std::uint16_t rows[9] = {};
  std::uint16_t columns[9] = {};
  std::uint16_t boxes[9] = {};
  GridDigits digits{};

  std::uint16_t Free(int p) const {
    return static_cast<std::uint16_t>(0x1FF & ~(rows[p / 9] | columns[p % 9] | boxes[BoxOf(p)]));
  }
  void Set(int p, int d, bool on) {
    const auto bit = static_cast<std::uint16_t>(1u << (d - 1));
    rows[p / 9] ^= bit;
    columns[p % 9] ^= bit;
    boxes[BoxOf(p)] ^= bit;
    digits[p] = on ? static_cast<unsigned char>(d) : 0;
  }
};

// Fills positions p.. in order, each with its free digits in random order.
bool Fill(FillState& state, int p, RandomSource& random) {
  if (p == 81) return true;
  int choices[9];
  int count = 0;
  for (std::uint16_t free = state.Free(p); free != 0; free &= free - 1) choices[count++] = std::countr_zero(free) + 1;
  for (int i = count - 1; i > 0; --i) std::swap(choices[i], choices[random.NextBelow(i + 1)]);
  for (int i = 0; i < count; ++i) {
    state.Set(p, choices[i], true);
    if (Fill(state, p + 1, random)) return true;
    state.Set(p, choices[i], false);
  }
  return false;
}

}  // namespace

std::array<int, 81> ShuffledPositions(RandomSource& random) {
  std::array<int, 81> order{};
  for (int p = 0; p < 81; ++p) order[p] = p;
  for (int i = 80; i > 0; --i) std::swap(order[i], order[random.NextBelow(i + 1)]);
  return order;
}

GridDigits RandomSolution(RandomSource& random) {
  FillState state;
  Fill(state, 0, random);
  return state.digits;
}

GridDigits Minimise(GridDigits puzzle, RandomSource& random) {
  for (int p : ShuffledPositions(random)) {
    const unsigned char given = puzzle[p];
    if (given == 0) continue;
    puzzle[p] = 0;
    if (!HasUniqueSolution(puzzle)) puzzle[p] = given;
  }
  return puzzle;
}

GridDigits AddGivens(GridDigits puzzle, const GridDigits& solution, int givens, RandomSource& random) {
  int count = GivensOf(puzzle);
  for (int p : ShuffledPositions(random)) {
    if (count >= givens) break;
    if (puzzle[p] != 0) continue;
    puzzle[p] = solution[p];
    ++count;
  }
  return puzzle;
}

int GivensOf(const GridDigits& puzzle) {
  int count = 0;
  for (unsigned char d : puzzle) count += d != 0;
  return count;
}

GridDigits FromText(std::string_view text) {
  GridDigits digits{};
  for (int p = 0; p < 81 && p < static_cast<int>(text.size()); ++p)
    digits[p] = static_cast<unsigned char>(text[p] - '0');
  return digits;
}

bool HasUniqueSolution(const GridDigits& puzzle) { return varelo::fast::CountSolutions(puzzle, 2) == 1; }

}  // namespace levelgen
