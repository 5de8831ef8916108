#pragma once
// The pencil marks a human solver works on: for every empty cell the digits
// still possible, as a 9-bit mask (bit d-1 = digit d). Placing a digit strikes
// it from the cell's twenty peers at once, so every technique reads candidates
// that are already up to date.

#include <array>
#include <cstdint>

#include "core/GridDigits.h"

namespace varelo::grading {

using Mask = std::uint16_t;
inline constexpr Mask kAllDigits = 0x1FF;
constexpr Mask Bit(int digit) { return static_cast<Mask>(1u << (digit - 1)); }

// How many digits a mask holds. A table, because the build targets plain
// x86-64 where std::popcount is a library call, and the grader counts a lot.
namespace detail {
constexpr std::array<unsigned char, 512> BuildCounts() {
  std::array<unsigned char, 512> counts{};
  for (int m = 1; m < 512; ++m) counts[m] = static_cast<unsigned char>(counts[m >> 1] + (m & 1));
  return counts;
}
inline constexpr auto kCounts = BuildCounts();
}  // namespace detail
constexpr int CountOf(Mask m) { return detail::kCounts[m & kAllDigits]; }

// Units 0..8 are the rows, 9..17 the columns, 18..26 the boxes.
inline constexpr int kUnitCount = 27;
inline constexpr int kPeerCount = 20;

struct Geometry {
  std::array<std::array<unsigned char, 9>, kUnitCount> unitCells;
  std::array<std::array<unsigned char, 3>, 81> unitsOf;  // row, column, box
  std::array<std::array<unsigned char, kPeerCount>, 81> peers;
  std::array<std::array<bool, 81>, 81> sees;  // distinct cells sharing a unit
};
const Geometry& Cells();

class CandidateGrid {
 public:
  // False when two givens clash or a value is out of range.
  bool Load(const GridDigits& givens);

  int digit(int p) const { return digits_[p]; }
  Mask candidates(int p) const { return candidates_[p]; }
  int emptyCount() const { return empty_; }
  Mask placedIn(int unit) const { return placed_[unit]; }

  void Place(int p, int digit);
  // Strikes `digits` from cell p; true when at least one was there.
  bool Eliminate(int p, Mask digits);

  // The cells (as unit indices 0..8) of `unit` where `digit` is still a candidate.
  Mask PlacesIn(int unit, int digit) const;

  // Whether the marks already prove a contradiction: an empty cell without a
  // candidate, or a unit with a digit that has neither a cell nor a place.
  bool Broken() const;

  GridDigits digits() const { return digits_; }

 private:
  std::array<Mask, 81> candidates_{};
  GridDigits digits_{};
  std::array<Mask, kUnitCount> placed_{};
  int empty_ = 81;
};

}  // namespace varelo::grading
